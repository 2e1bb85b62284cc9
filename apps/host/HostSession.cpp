#include "host/HostSession.h"

namespace host {
namespace {

constexpr const char* kScreenKey = "DOSAIDANTSECTEUR";

}  // namespace

HostSession::HostSession(HostStore store, int level, forms::HelpEngine& help,
                         ScriptRecorder* recorder)
    : store_(std::move(store)),
      rights_(std::make_shared<rights::UserRights>()),
      help_(help),
      recorder_(recorder) {
  rights_->Grant(kScreenKey, level);
}

qtui::SectorisationWindow* HostSession::OpenScreen(const std::string& code, QWidget* parent) {
  auto window = std::make_unique<qtui::SectorisationWindow>(help_, parent);
  window->Open(store_.connection, store_.client, rights_, code);
  if (recorder_ != nullptr) {
    recorder_->Opened(code);
    window->SetActionListener(recorder_);
  }
  return window.release();
}

}  // namespace host
