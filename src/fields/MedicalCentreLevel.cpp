#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "fields/ReferenceRows.h"

using Variables::L_CentreMedical;

void Ctr_Sectorisation::Txt_CentreMedAidant_KeyPress(basis::Integer& KeyAscii) {
  if (KeyAscii == 13)
    Completer_Zeros(Txt_CentreMedAidant, fields::kCentreCodeLength, true);
}

void Ctr_Sectorisation::Txt_CentreMedAidant_LostFocus() {
  Completer_Zeros(Txt_CentreMedAidant, fields::kCentreCodeLength, false);
}

void Ctr_Sectorisation::Txt_CentreMedAidant_Change() {
  Reaction_CodeSaisi(
      Txt_CentreMedAidant, fields::kCentreCodeLength, "", L_CentreMedical,
      "Ce centre médical n'existe pas.",
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
