#pragma once

#include <memory>
#include <string>

#include "control/Ctr_Sectorisation.h"
#include "forms/ScriptedHost.h"

// The screen as a host runs it, with the scripted host services: one control at a time.
class Screen {
 public:
  explicit Screen(std::shared_ptr<dba::DatabaseConnection> connection);

  // A new control with TheDatabase, TheClient, DroitsUtilisateur and W_Code handed in,
  // before Init.
  Ctr_Sectorisation& Create(const std::string& aidant);
  // Create, then Init.
  Ctr_Sectorisation& Open(const std::string& aidant);
  Ctr_Sectorisation& Control() { return *control_; }
  // A control exists and its window was not unloaded.
  bool IsOpen() const { return control_ && !host_.Unloaded(); }
  forms::ScriptedHost& Host() { return host_; }

  // Empties the box, types the code and presses Enter.
  static void TypeCode(forms::TextBox& box, const std::string& code);
  // The entry of a label list whose row holds this key.
  static int EntryOfKey(const basis::Ref<dba::DynamicArray>& rows, const std::string& key);

 private:
  std::shared_ptr<dba::DatabaseConnection> connection_;
  forms::ScriptedHost host_;
  std::unique_ptr<Ctr_Sectorisation> control_;
};
