#include "host/HostSession.h"

#include "basis/Error.h"
#include "basis/ErrorNumber.h"
#include "host/MissingAidant.h"

namespace host {

HostSession::HostSession(HostStore store, HostRights rights, forms::HelpEngine& help,
                         ScriptRecorder* recorder)
    : store_(std::move(store)), rights_(std::move(rights)), help_(help), recorder_(recorder) {}

qtui::SectorisationWindow* HostSession::OpenScreen(const std::string& code, QWidget* parent) {
  try {
    store_.connection->OpenFile("CIVILAIDANT")->ReadRecord(code);
  } catch (const basis::Error& error) {
    if (error.Number() == basis::kRecordNotFound)
      throw MissingAidant(code);
    throw;
  }
  auto window = std::make_unique<qtui::SectorisationWindow>(help_, parent);
  window->Open(store_.connection, store_.client, rights_.rights, code);
  if (recorder_ != nullptr) {
    recorder_->Opened(code);
    window->SetActionListener(recorder_);
  }
  return window.release();
}

}  // namespace host
