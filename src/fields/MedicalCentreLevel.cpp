#include "basis/Integer.h"
#include "control/CascadeLevels.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceRows.h"

using Variables::L_CentreMedical;

void Ctr_Sectorisation::Txt_CentreMedAidant_KeyPress(basis::Integer& KeyAscii) {
  if (KeyAscii == 13)
    Completer_Zeros(cascade::kLevels[cascade::kCentre], true);
}

void Ctr_Sectorisation::Txt_CentreMedAidant_LostFocus() {
  Completer_Zeros(cascade::kLevels[cascade::kCentre], false);
}

void Ctr_Sectorisation::Txt_CentreMedAidant_Change() {
  Reaction_CodeSaisi(
      cascade::kLevels[cascade::kCentre],
      [this] {
        Txt_AntMedAidant.SetText("");
        Cbo_LibCentreMedAidant.SetText("");
      },
      [this](basis::Integer ligne) {
        Cbo_LibCentreMedAidant.SetText(fields::RowLabel(L_CentreMedical, ligne));
        Cbo_LibCentreMedAidant.SetEnabled(true);
        Cbo_LibAntMedAidant.SetEnabled(true);
        CodeCentreMedical = fields::RowKey(L_CentreMedical, ligne);
        RemplirCombo_AntMedAidant();
      });
}

void Ctr_Sectorisation::Cbo_LibCentreMedAidant_Change() {
  Vider_CodeSiLibelleVide(Cbo_LibCentreMedAidant, Txt_CentreMedAidant);
}

void Ctr_Sectorisation::Cbo_LibCentreMedAidant_Click() {
  CodeCentreMedical = fields::RowKey(L_CentreMedical, fields::ChosenRow(Cbo_LibCentreMedAidant));
  Txt_CentreMedAidant.SetText(CodeCentreMedical);
  RemplirCombo_AntMedAidant();
}
