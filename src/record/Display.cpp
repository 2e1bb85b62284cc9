#include <string>

#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "fields/TextParts.h"

using Variables::F_AntenneMedicale;
using Variables::F_CentreMedical;
using Variables::F_Quartier;
using Variables::F_Secteur;
using Variables::F_SousSecteur;
using Variables::F_Tables;
using Variables::R_AntenneMedicale;
using Variables::R_CentreMedical;
using Variables::R_MoyensLoc;
using Variables::R_Quartier;
using Variables::R_Secteur;
using Variables::R_SousSecteur;

namespace {

constexpr long kKey = 0;
constexpr long kLabel = 1;

// Empties the record variable first, so that a failed read leaves it empty instead of
// holding the previous level's record.
void ReadAgain(basis::Ref<dba::DynamicArray>& record, const basis::Ref<dba::DatabaseFile>& file,
               const std::string& key) {
  record.Release();
  record = file->ReadRecord(key);
}

}  // namespace

// Each level is shown after the level above it: setting a code box runs its reaction,
// which resets and refills the levels below.
void Ctr_Sectorisation::Affichage_Sectorisation() {
  ReadAgain(R_Secteur, F_Secteur, CodeSecteur);
  Cbo_LibSecteurAidant.SetText(R_Secteur->Extract(kLabel).Text());
  Txt_SecteurAidant.SetText(R_Secteur->Extract(kKey).Text());

  ReadAgain(R_SousSecteur, F_SousSecteur, CodeSousSecteur);
  RemplirCombo_SousSecteurAidant();
  Cbo_LibSousSecteurAidant.SetText(R_SousSecteur->Extract(kLabel).Text());
  Txt_SousSecteurAidant.SetText(
      fields::FromCharacter(R_SousSecteur->Extract(kKey).Text(), fields::kSubSectorCodeStart));

  ReadAgain(R_Quartier, F_Quartier, CodeQuartier);
  RemplirCombo_QuartierAidant();
  Cbo_LibQuartierAidant.SetText(R_Quartier->Extract(kLabel).Text());
  Txt_QuartierAidant.SetText(
      fields::FromCharacter(R_Quartier->Extract(kKey).Text(), fields::kDistrictCodeStart));

  ReadAgain(R_MoyensLoc, F_Tables, fields::kMeansOfTransportKey);
  // A code missing from the table stops on the first empty value, whose label is empty.
  basis::Integer i = 0;
  std::string code;
  do {
    i = basis::Add(i, 1);
    code = R_MoyensLoc->Extract(fields::kMeansOfTransportCodes, i).Text();
  } while (!code.empty() && basis::ToLong(code) != CodeMoyenLoc);
  Cbo_LibMoyLocAidant.SetText(R_MoyensLoc->Extract(fields::kMeansOfTransportLabels, i).Text());

  ReadAgain(R_CentreMedical, F_CentreMedical, CodeCentreMedical);
  Cbo_LibCentreMedAidant.SetText(R_CentreMedical->Extract(kLabel).Text());
  Txt_CentreMedAidant.SetText(R_CentreMedical->Extract(kKey).Text());

  ReadAgain(R_AntenneMedicale, F_AntenneMedicale, CodeAntenneMedicale);
  RemplirCombo_AntMedAidant();
  Cbo_LibAntMedAidant.SetText(R_AntenneMedicale->Extract(kLabel).Text());
  Txt_AntMedAidant.SetText(
      fields::FromCharacter(R_AntenneMedicale->Extract(kKey).Text(), fields::kAntennaCodeStart));
}
