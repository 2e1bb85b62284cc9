#pragma once

#include <ostream>
#include <string>

#include <QWidget>

#include "host/HostOptions.h"
#include "host/HostSession.h"

namespace host {

// The two ways the host runs, once its database is open. Each returns the exit status.

// The list of aidants; each opens its screen, and the aidant's row is read again when
// the screen is left.
int RunAidantList(HostSession& session, std::ostream& err);

// One aidant's screen until it is left: 0 when it was left through OK or Retour
// (W_SortirSectorisation True). With a screenshot file, the screen is drawn, saved as
// PNG and closed at once: 0 when the file was written.
int RunAidantScreen(HostSession& session, const HostOptions& options, std::ostream& err);

// Draws the window and saves it as a PNG file; false when the file cannot be written.
bool SaveScreenshot(QWidget& window, const std::string& file);

}  // namespace host
