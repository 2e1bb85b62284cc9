#include "basis/ResumeNext.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "fields/ReferenceRows.h"
#include "fields/TextParts.h"
#include "record/AidantAttributes.h"

// Both routines go on past a failing step; only a record that does not exist stops them,
// at the read of the level they show.

namespace {
constexpr long kKey = 0;
constexpr long kLabel = 1;
}  // namespace

void Ctr_Sectorisation::Affiche_SousSecteurUnique() {
  using namespace Variables;
  basis::ResumeNext run;
  run.Step([] { R_SousSecteur.Release(); });
  run.Step([this] { CodeSousSecteur = fields::RowKey(L_SousSecteur, 1); });
  run.Step([this] { R_SousSecteur = F_SousSecteur->ReadRecord(CodeSousSecteur); });
  if (run.LastErrorNumber() == basis::kRecordNotFound)
    return;
  run.Step([this] { Cbo_LibSousSecteurAidant.SetText(R_SousSecteur->Extract(kLabel).Text()); });
  run.Step([this] {
    Txt_SousSecteurAidant.SetText(
        fields::FromCharacter(R_SousSecteur->Extract(kKey).Text(), fields::kSubSectorCodeStart));
  });
  if (run.Test([] { return SaisieSecteurBloquee == basis::False; }))
    run.Step([this] { Cbo_LibQuartierAidant.SetEnabled(true); });
  run.Step([this] { RemplirCombo_QuartierAidant(); });
  if (run.Test([this] { return NbQuartiers == 1; }))
    run.Step([this] { Affiche_QuartierUnique(); });
}

// An antenna already stored for the aidant wins over the district's own.
void Ctr_Sectorisation::Affiche_QuartierUnique() {
  using namespace Variables;
  basis::ResumeNext run;
  run.Step([this] { Cbo_LibCentreMedAidant.SetEnabled(true); });
  run.Step([this] { Cbo_LibAntMedAidant.SetEnabled(true); });
  run.Step([this] { CodeQuartier = fields::RowKey(L_Quartier, 1); });
  run.Step([this] {
    Txt_QuartierAidant.SetText(fields::FromCharacter(CodeQuartier, fields::kDistrictCodeStart));
  });
  run.Step([] { R_Quartier.Release(); });
  run.Step([this] { R_Quartier = F_Quartier->ReadRecord(CodeQuartier); });
  if (run.LastErrorNumber() == basis::kRecordNotFound)
    return;
  run.Step([this] { Cbo_LibQuartierAidant.SetText(R_Quartier->Extract(kLabel).Text()); });
  if (run.Test([] { return R_CivilAidant->Extract(record::kAntenneMedicale).Text().empty(); })) {
    run.Step([this] {
      CodeAntenneMedicale = R_Quartier->Extract(fields::kDistrictAntennaAttribute).Text();
    });
  } else {
    run.Step(
        [this] { CodeAntenneMedicale = R_CivilAidant->Extract(record::kAntenneMedicale).Text(); });
  }
  run.Step([this] {
    CodeCentreMedical = fields::FirstCharacters(CodeAntenneMedicale, fields::kCentreCodeLength);
  });
  run.Step([] { R_CentreMedical.Release(); });
  run.Step([this] { R_CentreMedical = F_CentreMedical->ReadRecord(CodeCentreMedical); });
  run.Step([this] { Cbo_LibCentreMedAidant.SetText(R_CentreMedical->Extract(kLabel).Text()); });
  run.Step([] { R_AntenneMedicale.Release(); });
  run.Step([this] { R_AntenneMedicale = F_AntenneMedicale->ReadRecord(CodeAntenneMedicale); });
  run.Step([this] { Cbo_LibAntMedAidant.SetText(R_AntenneMedicale->Extract(kLabel).Text()); });
}
