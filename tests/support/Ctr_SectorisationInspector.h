#pragma once

#include "control/Ctr_Sectorisation.h"

// Reads the control's private state, for assertions the screen cannot show.
class Ctr_SectorisationInspector {
 public:
  explicit Ctr_SectorisationInspector(const Ctr_Sectorisation& control) : c_(control) {}

  basis::Boolean LibellesOk() const { return c_.LibellesOk; }
  const std::string& CodeSecteur() const { return c_.CodeSecteur; }
  const std::string& CodeSousSecteur() const { return c_.CodeSousSecteur; }
  const std::string& CodeQuartier() const { return c_.CodeQuartier; }
  const std::string& CodeCentreMedical() const { return c_.CodeCentreMedical; }
  const std::string& CodeAntenneMedicale() const { return c_.CodeAntenneMedicale; }
  basis::Integer CodeMoyenLoc() const { return c_.CodeMoyenLoc; }
  basis::Integer NbQuartiers() const { return c_.NbQuartiers; }
  basis::Integer NbSousSecteurs() const { return c_.NbSousSecteurs; }
  const std::string& ArticleInitial() const { return c_.ArticleInitial; }
  const basis::Variant& NiveauAccesInitial() const { return c_.NiveauAccesInitial; }
  bool HasDroitsEcran() const { return !c_.DroitsEcran.IsNothing(); }
  bool HasDroitsUtilisateur() const { return !c_.DroitsUtilisateur_.IsNothing(); }
  const rights::ScreenRights* DroitsEcran() const { return c_.DroitsEcran.Shared().get(); }

 private:
  const Ctr_Sectorisation& c_;
};
