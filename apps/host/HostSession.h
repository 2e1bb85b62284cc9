#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "forms/HelpEngine.h"
#include "host/HostRights.h"
#include "host/HostStore.h"
#include "host/ScriptRecorder.h"
#include "qt/SectorisationWindow.h"

namespace host {

// What every screen the host opens shares: the database, the user's rights, the help
// engine and, when recording, the recorder.
class HostSession {
 public:
  // recorder may be nullptr.
  HostSession(HostStore store, HostRights rights, forms::HelpEngine& help,
              ScriptRecorder* recorder);

  // The aidant's screen in a window of its own, not shown yet, brought up the way a
  // host must. An aidant without a record throws MissingAidant and opens nothing; a
  // failure of Init is thrown once the window is gone.
  qtui::SectorisationWindow* OpenScreen(const std::string& code, QWidget* parent = nullptr);

  const HostStore& Store() const { return store_; }
  const HostRights& Rights() const { return rights_; }

 private:
  HostStore store_;
  HostRights rights_;
  forms::HelpEngine& help_;
  ScriptRecorder* recorder_;
};

}  // namespace host
