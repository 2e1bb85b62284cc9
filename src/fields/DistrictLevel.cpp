#include "basis/Integer.h"
#include "control/CascadeLevels.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "fields/ReferenceRows.h"
#include "fields/TextParts.h"
#include "record/AidantAttributes.h"

using Variables::F_AntenneMedicale;
using Variables::F_CentreMedical;
using Variables::F_Quartier;
using Variables::L_Quartier;
using Variables::R_AntenneMedicale;
using Variables::R_CentreMedical;
using Variables::R_Quartier;

void Ctr_Sectorisation::Txt_QuartierAidant_KeyPress(basis::Integer& KeyAscii) {
  if (KeyAscii == 13)
    Completer_Zeros(cascade::kLevels[cascade::kDistrict], true);
}

void Ctr_Sectorisation::Txt_QuartierAidant_LostFocus() {
  Completer_Zeros(cascade::kLevels[cascade::kDistrict], false);
}

void Ctr_Sectorisation::Txt_QuartierAidant_Change() {
  Reaction_CodeSaisi(
      cascade::kLevels[cascade::kDistrict], [this] { Cbo_LibQuartierAidant.SetText(""); },
      [this](basis::Integer ligne) {
        Cbo_LibQuartierAidant.SetText(fields::RowLabel(L_Quartier, ligne));
        Cbo_LibCentreMedAidant.SetEnabled(true);
        Cbo_LibAntMedAidant.SetEnabled(true);
        CodeQuartier = fields::RowKey(L_Quartier, ligne);
        // An antenna already stored for the aidant wins over the district's own.
        const std::string antenneStockee =
            Article_Aidant()->Extract(record::kAntenneMedicale).Text();
        fields::EndQuietlyWhenRecordMissing([this, &antenneStockee] {
          R_Quartier.Release();
          R_Quartier = F_Quartier->ReadRecord(CodeQuartier);
          R_CentreMedical.Release();
          CodeAntenneMedicale = antenneStockee.empty()
                                    ? R_Quartier->Extract(fields::kDistrictAntennaAttribute).Text()
                                    : antenneStockee;
          CodeCentreMedical =
              fields::FirstCharacters(CodeAntenneMedicale, fields::kCentreCodeLength);
          R_CentreMedical = F_CentreMedical->ReadRecord(CodeCentreMedical);
          Txt_CentreMedAidant.SetText(R_CentreMedical->Extract(0).Text());
          RemplirCombo_AntMedAidant();
          R_AntenneMedicale.Release();
          R_AntenneMedicale = F_AntenneMedicale->ReadRecord(CodeAntenneMedicale);
          Txt_AntMedAidant.SetText(fields::FromCharacter(R_AntenneMedicale->Extract(0).Text(),
                                                         fields::kAntennaCodeStart));
          // The refill emptied the antenna's label; a box that already held the code ran
          // no reaction to show it again.
          Cbo_LibAntMedAidant.SetText(R_AntenneMedicale->Extract(1).Text());
        });
      });
}

void Ctr_Sectorisation::Cbo_LibQuartierAidant_Change() {
  Vider_CodeSiLibelleVide(Cbo_LibQuartierAidant, Txt_QuartierAidant);
}

void Ctr_Sectorisation::Cbo_LibQuartierAidant_Click() {
  CodeQuartier = fields::RowKey(L_Quartier, fields::ChosenRow(Cbo_LibQuartierAidant));
  Txt_QuartierAidant.SetText(fields::FromCharacter(CodeQuartier, fields::kDistrictCodeStart));
  if (CodeQuartier.empty())
    return;
  fields::EndQuietlyWhenRecordMissing([this] {
    R_Quartier.Release();
    R_Quartier = F_Quartier->ReadRecord(CodeQuartier);
    R_CentreMedical.Release();
    // A district chosen by its label brings its own antenna, whatever the aidant had.
    CodeAntenneMedicale = R_Quartier->Extract(fields::kDistrictAntennaAttribute).Text();
    CodeCentreMedical = fields::FirstCharacters(CodeAntenneMedicale, fields::kCentreCodeLength);
    R_CentreMedical = F_CentreMedical->ReadRecord(CodeCentreMedical);
    Cbo_LibCentreMedAidant.SetText(R_CentreMedical->Extract(1).Text());
    // The code boxes follow the district's own centre and antenna, not the aidant's
    // stored one that the district box's reaction showed: OK and Retour then save the
    // same record, and a code typed next is looked up under the centre shown.
    Txt_CentreMedAidant.SetText(CodeCentreMedical);
    RemplirCombo_AntMedAidant();
    R_AntenneMedicale.Release();
    R_AntenneMedicale = F_AntenneMedicale->ReadRecord(CodeAntenneMedicale);
    Txt_AntMedAidant.SetText(fields::FromCharacter(CodeAntenneMedicale, fields::kAntennaCodeStart));
    Cbo_LibAntMedAidant.SetText(R_AntenneMedicale->Extract(1).Text());
    Cbo_LibCentreMedAidant.SetEnabled(true);
    Cbo_LibAntMedAidant.SetEnabled(true);
  });
}
