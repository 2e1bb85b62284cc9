#pragma once

#include <memory>
#include <string>

#include "TestStore.h"
#include "control/Ctr_Sectorisation.h"
#include "forms/ScriptedHost.h"
#include "rights/UserRights.h"

inline constexpr const char* kScreenKey = "DOSAIDANTSECTEUR";

// Runs the screen the way a host does, over a TestStore, with the scripted host
// services. Each harness starts from a fresh process-wide state.
class ControlHarness {
 public:
  explicit ControlHarness(TestStore& store, int accessLevel = 2);
  // With the rights a host read elsewhere, from the store for instance.
  ControlHarness(TestStore& store, std::shared_ptr<rights::UserRights> rights);
  ~ControlHarness();

  // Creates a control only (UserControl_Initialize).
  Ctr_Sectorisation& Create();
  // Creates a control, hands it TheDatabase, TheClient and DroitsUtilisateur, sets
  // W_Code and calls Init.
  Ctr_Sectorisation& Open(const std::string& code);
  // Destroys the control (UserControl_Terminate).
  void Close();

  Ctr_Sectorisation& Control() { return *control_; }
  forms::ScriptedHost& Host() { return host_; }
  rights::ScreenRights& Screen() { return *rights_->RightsFor(kScreenKey); }
  std::shared_ptr<rights::UserRights> Rights() { return rights_; }

 private:
  TestStore& store_;
  forms::ScriptedHost host_;
  std::shared_ptr<rights::UserRights> rights_;
  std::unique_ptr<Ctr_Sectorisation> control_;
};
