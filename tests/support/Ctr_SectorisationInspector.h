#pragma once

#include "control/Ctr_Sectorisation.h"

// Reads the control's private state, for assertions the screen cannot show.
class Ctr_SectorisationInspector {
 public:
  explicit Ctr_SectorisationInspector(const Ctr_Sectorisation& control) : c_(control) {}

  const std::string& CodeSousSecteur() const { return c_.CodeSousSecteur; }
  const std::string& CodeAntenneMedicale() const { return c_.CodeAntenneMedicale; }
  basis::Integer CodeMoyenLoc() const { return c_.CodeMoyenLoc; }
  const rights::ScreenRights* DroitsEcran() const { return c_.DroitsEcran.Shared().get(); }

 private:
  const Ctr_Sectorisation& c_;
};
