#include "basis/Integer.h"
#include "control/CascadeLevels.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "fields/ReferenceRows.h"
#include "fields/TextParts.h"

using Variables::L_SousSecteur;
using Variables::SaisieSecteurBloquee;

void Ctr_Sectorisation::Txt_SousSecteurAidant_KeyPress(basis::Integer& KeyAscii) {
  if (KeyAscii == 13)
    Completer_Zeros(cascade::kLevels[cascade::kSubSector], true);
}

void Ctr_Sectorisation::Txt_SousSecteurAidant_LostFocus() {
  Completer_Zeros(cascade::kLevels[cascade::kSubSector], false);
}

void Ctr_Sectorisation::Txt_SousSecteurAidant_Change() {
  Reaction_CodeSaisi(
      cascade::kLevels[cascade::kSubSector],
      [this] {
        Cbo_LibSousSecteurAidant.SetText("");
        Txt_QuartierAidant.SetText("");
        Txt_QuartierAidant.SetEnabled(false);
        Cbo_LibQuartierAidant.SetEnabled(false);
      },
      [this](basis::Integer ligne) {
        Cbo_LibSousSecteurAidant.SetText(fields::RowLabel(L_SousSecteur, ligne));
        Txt_QuartierAidant.SetText("");
        if (SaisieSecteurBloquee == basis::False) {
          Txt_QuartierAidant.SetEnabled(true);
          Cbo_LibQuartierAidant.SetEnabled(true);
        }
        CodeSousSecteur = fields::RowKey(L_SousSecteur, ligne);
        RemplirCombo_QuartierAidant();
        if (NbQuartiers == 1)
          Affiche_QuartierUnique();
      });
}

void Ctr_Sectorisation::Cbo_LibSousSecteurAidant_Change() {
  Vider_CodeSiLibelleVide(Cbo_LibSousSecteurAidant, Txt_SousSecteurAidant);
}

void Ctr_Sectorisation::Cbo_LibSousSecteurAidant_Click() {
  Cbo_LibQuartierAidant.SetText("");
  Cbo_LibCentreMedAidant.SetText("");
  Cbo_LibAntMedAidant.SetText("");
  if (Cbo_LibSousSecteurAidant.Text().empty())
    return;
  CodeSousSecteur = fields::RowKey(L_SousSecteur, fields::ChosenRow(Cbo_LibSousSecteurAidant));
  Txt_SousSecteurAidant.SetText(
      fields::FromCharacter(CodeSousSecteur, fields::kSubSectorCodeStart));
  RemplirCombo_QuartierAidant();
  if (Cbo_LibQuartierAidant.List(0).empty())
    return;
  if (SaisieSecteurBloquee == basis::False)
    Cbo_LibQuartierAidant.SetEnabled(true);
  if (NbQuartiers == 1)
    Affiche_QuartierUnique();
}
