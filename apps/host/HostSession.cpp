#include "host/HostSession.h"

namespace host {

HostSession::HostSession(HostStore store, HostRights rights, forms::HelpEngine& help,
                         ScriptRecorder* recorder)
    : store_(std::move(store)), rights_(std::move(rights)), help_(help), recorder_(recorder) {}

qtui::SectorisationWindow* HostSession::OpenScreen(const std::string& code, QWidget* parent) {
  auto window = std::make_unique<qtui::SectorisationWindow>(help_, parent);
  window->Open(store_.connection, store_.client, rights_.rights, code);
  if (recorder_ != nullptr) {
    recorder_->Opened(code);
    window->SetActionListener(recorder_);
  }
  return window.release();
}

}  // namespace host
