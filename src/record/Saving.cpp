#include "basis/Integer.h"
#include "control/CascadeLevels.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "forms/MessageStyle.h"
#include "record/AidantAttributes.h"

using Variables::R_CivilAidant;

void Ctr_Sectorisation::Verif_Libelles() {
  for (const cascade::Level& level : cascade::kLevels) {
    if ((this->*level.labelList).Text().empty()) {
      Host.MsgBox(level.missingChoice, forms::kStyleExclamation, forms::kMessageTitle);
      // A check that passed before must not let a later save through with a missing
      // choice.
      LibellesOk = basis::False;
      return;
    }
  }
  LibellesOk = basis::True;
}

void Ctr_Sectorisation::Poser_Sectorisation(const std::string& secteur,
                                            const std::string& sousSecteur,
                                            const std::string& quartier,
                                            const std::string& antenne) {
  R_CivilAidant->Replace(record::kSecteur, secteur);
  R_CivilAidant->Replace(record::kSousSecteur, sousSecteur);
  R_CivilAidant->Replace(record::kQuartier, quartier);
  R_CivilAidant->Replace(record::kMoyenLoc, CodeMoyenLoc);
  R_CivilAidant->Replace(record::kAntenneMedicale, antenne);
  // The selected sectors replace whatever the attribute held, in the list's order.
  R_CivilAidant->Replace(record::kSecteursAssocies, "");
  const int n = Lst_Sel.ListCount();
  for (int i = 0; i < n; ++i) {
    R_CivilAidant->Replace(record::kSecteursAssocies, i + 1,
                           basis::FormatThreeDigits(Lst_Sel.ItemData(i)));
  }
}

void Ctr_Sectorisation::Ecriture_Sectorisation() {
  Poser_Sectorisation(CodeSecteur, CodeSousSecteur, CodeQuartier, CodeAntenneMedicale);
  R_CivilAidant->DBWrite();
}

void Ctr_Sectorisation::Marquer_Occupe() {
  UserControl.SetMousePointer(0);
  UserControl.SetBusyUntilIdle(true);
}

void Ctr_Sectorisation::Cmd_OkSectorisation_Click() {
  Verif_Libelles();
  if (LibellesOk != basis::True)
    return;
  Marquer_Occupe();
  Ecriture_Sectorisation();
  Host.DoEvents();
  Marquer_Occupe();
  Quitter_Ecran();
}
