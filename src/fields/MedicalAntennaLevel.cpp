#include "basis/Integer.h"
#include "control/CascadeLevels.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "fields/ReferenceRows.h"
#include "fields/TextParts.h"

using Variables::L_AntenneMedicale;

void Ctr_Sectorisation::Txt_AntMedAidant_KeyPress(basis::Integer& KeyAscii) {
  if (KeyAscii == 13)
    Completer_Zeros(cascade::kLevels[cascade::kAntenna], true);
}

void Ctr_Sectorisation::Txt_AntMedAidant_LostFocus() {
  Completer_Zeros(cascade::kLevels[cascade::kAntenna], false);
}

void Ctr_Sectorisation::Txt_AntMedAidant_Change() {
  Reaction_CodeSaisi(
      cascade::kLevels[cascade::kAntenna], [this] { Cbo_LibAntMedAidant.SetText(""); },
      [this](basis::Integer ligne) {
        CodeAntenneMedicale = fields::RowKey(L_AntenneMedicale, ligne);
        Cbo_LibAntMedAidant.SetText(fields::RowLabel(L_AntenneMedicale, ligne));
      });
}

void Ctr_Sectorisation::Cbo_LibAntMedAidant_Change() {
  Vider_CodeSiLibelleVide(Cbo_LibAntMedAidant, Txt_AntMedAidant);
}

void Ctr_Sectorisation::Cbo_LibAntMedAidant_Click() {
  CodeAntenneMedicale = fields::RowKey(L_AntenneMedicale, fields::ChosenRow(Cbo_LibAntMedAidant));
  Txt_AntMedAidant.SetText(fields::FromCharacter(CodeAntenneMedicale, fields::kAntennaCodeStart));
}
