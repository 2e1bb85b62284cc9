#include <cstdint>

#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "forms/MessageStyle.h"

using Variables::EnCreation;
using Variables::R_CivilAidant;

namespace {
// The level that lets the user modify the screen's data.
constexpr std::int32_t kNiveauModification = 2;
}  // namespace

void Ctr_Sectorisation::Cmd_RetourSectorisation_Click() {
  if (EnCreation == basis::True) {
    // A first sectorisation is saved only by OK: leaving a creation writes nothing.
    if (DroitsEcran->AccessLevel() == kNiveauModification &&
        Host.MsgBox("Etes-vous sûr de vouloir quitter cette création ?", forms::kStyleYesNoQuestion,
                    forms::kMessageTitle) == forms::kAnswerNo) {
      return;
    }
    Quitter_Ecran();
    return;
  }

  // The record is rebuilt from what the screen shows, so any difference from the text
  // read at opening, even one of form only, counts as a change.
  Poser_Sectorisation(
      Txt_SecteurAidant.Text(), Txt_SecteurAidant.Text() + Txt_SousSecteurAidant.Text(),
      Txt_SecteurAidant.Text() + Txt_SousSecteurAidant.Text() + Txt_QuartierAidant.Text(),
      Txt_CentreMedAidant.Text() + Txt_AntMedAidant.Text());
  if (R_CivilAidant->Text() != ArticleInitial) {
    int reponse = forms::kAnswerNo;
    if (DroitsEcran->AccessLevel() == kNiveauModification) {
      Host.Beep();
      reponse = Host.MsgBox("Voulez-vous enregistrer les modifications apportées à cet article ?",
                            forms::kStyleYesNoCancelQuestion, forms::kMessageTitle);
    }
    if (reponse == forms::kAnswerCancel)
      return;
    if (reponse == forms::kAnswerYes) {
      Verif_Libelles();
      if (LibellesOk != basis::True)
        return;
      R_CivilAidant->DBWrite();
    }
  }
  Quitter_Ecran();
}

// Closing the window is leaving the screen: the same question as Retour, with the same
// answers, so that a change is never lost unasked; whatever keeps Retour on the screen
// keeps the window open.
void Ctr_Sectorisation::UserControl_QueryUnload(basis::Integer& Cancel) {
  if (W_SortirSectorisation == basis::True)
    return;  // already left through OK or Retour
  Cmd_RetourSectorisation_Click();
  if (W_SortirSectorisation != basis::True)
    Cancel = basis::True;
}

void Ctr_Sectorisation::Quitter_Ecran() {
  W_SortirSectorisation = basis::True;
  Host.UnloadParentWindow();
}
