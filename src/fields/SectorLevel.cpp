#include "basis/Integer.h"
#include "control/CascadeLevels.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceRows.h"

using Variables::L_Secteur;
using Variables::SaisieSecteurBloquee;

void Ctr_Sectorisation::Txt_SecteurAidant_KeyPress(basis::Integer& KeyAscii) {
  if (KeyAscii == 13)
    Completer_Zeros(cascade::kLevels[cascade::kSector], true);
}

void Ctr_Sectorisation::Txt_SecteurAidant_LostFocus() {
  Completer_Zeros(cascade::kLevels[cascade::kSector], false);
}

void Ctr_Sectorisation::Txt_SecteurAidant_Change() {
  Reaction_CodeSaisi(
      cascade::kLevels[cascade::kSector],
      [this] {
        Cbo_LibSecteurAidant.SetText("");
        Txt_SousSecteurAidant.SetText("");
        Txt_QuartierAidant.SetText("");
        Txt_SousSecteurAidant.SetEnabled(false);
        Cbo_LibSousSecteurAidant.SetEnabled(false);
        Txt_QuartierAidant.SetEnabled(false);
        Cbo_LibQuartierAidant.SetEnabled(false);
      },
      [this](basis::Integer ligne) {
        Cbo_LibSecteurAidant.SetText(fields::RowLabel(L_Secteur, ligne));
        Txt_SousSecteurAidant.SetText("");
        Txt_QuartierAidant.SetText("");
        if (SaisieSecteurBloquee == basis::False) {
          Txt_SousSecteurAidant.SetEnabled(true);
          Cbo_LibSousSecteurAidant.SetEnabled(true);
        }
        CodeSecteur = fields::RowKey(L_Secteur, ligne);
        RemplirCombo_SousSecteurAidant();
        if (NbSousSecteurs == 1)
          Affiche_SousSecteurUnique();
      });
}

void Ctr_Sectorisation::Cbo_LibSecteurAidant_Change() {
  Vider_CodeSiLibelleVide(Cbo_LibSecteurAidant, Txt_SecteurAidant);
}

void Ctr_Sectorisation::Cbo_LibSecteurAidant_Click() {
  Cbo_LibSousSecteurAidant.SetText("");
  Cbo_LibQuartierAidant.SetText("");
  Cbo_LibCentreMedAidant.SetText("");
  Cbo_LibAntMedAidant.SetText("");
  if (Cbo_LibSecteurAidant.Text().empty())
    return;
  auto choisirSecteur = [this] {
    CodeSecteur = fields::RowKey(L_Secteur, fields::ChosenRow(Cbo_LibSecteurAidant));
    Txt_SecteurAidant.SetText(CodeSecteur);
  };
  choisirSecteur();
  RemplirCombo_SousSecteurAidant();
  if (Cbo_LibSousSecteurAidant.List(0).empty())
    return;
  if (SaisieSecteurBloquee == basis::False)
    Cbo_LibSousSecteurAidant.SetEnabled(true);
  Cbo_LibQuartierAidant.SetEnabled(false);
  Cbo_LibCentreMedAidant.SetEnabled(false);
  Cbo_LibAntMedAidant.SetEnabled(false);
  choisirSecteur();
  if (NbSousSecteurs == 1)
    Affiche_SousSecteurUnique();
}
