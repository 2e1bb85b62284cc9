#include "ControlHarness.h"

#include "control/ProcessState.h"

ControlHarness::ControlHarness(TestStore& store, int accessLevel)
    : ControlHarness(store, std::make_shared<rights::UserRights>()) {
  rights_->Grant(kScreenKey, accessLevel);
}

ControlHarness::ControlHarness(TestStore& store, std::shared_ptr<rights::UserRights> rights)
    : store_(store), rights_(std::move(rights)) {
  TheProcess = ProcessState{};
}

ControlHarness::~ControlHarness() {
  Close();
  TheProcess = ProcessState{};
}

Ctr_Sectorisation& ControlHarness::Create() {
  control_ = std::make_unique<Ctr_Sectorisation>(host_, host_, 4242);
  return *control_;
}

Ctr_Sectorisation& ControlHarness::Open(const std::string& code) {
  Create();
  control_->TheDatabase(store_.Connection());
  control_->TheClient(store_.Client());
  control_->DroitsUtilisateur(rights_);
  control_->W_Code = code;
  control_->Init();
  return *control_;
}

void ControlHarness::Close() {
  control_.reset();
}
