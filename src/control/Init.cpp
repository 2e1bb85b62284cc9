#include "basis/Error.h"
#include "basis/ResumeNext.h"
#include "control/CascadeLevels.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Procedures.h"
#include "control/Variables.h"
#include "record/AidantAttributes.h"

namespace {

constexpr std::int32_t kMayModify = 2;
constexpr std::int32_t kConsultOnly = 1;
// From this value of the counter on, sector entry is locked.
constexpr basis::Integer kLockedFrom = 2;
constexpr const char* kCaptionSeparator = "   ";

// Where the counter, the aidant's names and commune, and the commune's sector are kept.
constexpr const char* kCounterKey = "999";
constexpr long kCounterLock = 45;
constexpr long kKey = 0;
constexpr long kNom = 2;
constexpr long kPrenom = 3;
constexpr long kCommune = 39;
constexpr long kCommuneSecteur = 3;

std::string TextOf(const basis::Ref<dba::DynamicArray>& record, long attribute) {
  return record->Extract(attribute).Text();
}

}  // namespace

void Ctr_Sectorisation::AppliquerDroits() {
  if (DroitsEcran->AccessLevel() != kMayModify)
    Cmd_OkSectorisation.SetVisible(false);
}

// The first five steps fail to the host. From the counter on, a failing step is skipped
// and a failing test takes its then-branch: a missing or unreadable counter locks the
// sectors, an unknown aidant opens in creation.
void Ctr_Sectorisation::Init() {
  using namespace Variables;

  AppliquerDroits();
  Procedures::OuvrirFichiers();
  RemplirCombo_SecteurAidant();
  RemplirCombo_CentreMedAidant();
  RemplirCombo_MoyensLoc();

  basis::ResumeNext run;
  // Each record is emptied before it is read again, so that a failed read never leaves
  // the record of an earlier Init (of this or another control) in its place.
  run.Step([] { R_Compteur.Release(); });
  run.Step([] { R_Compteur = F_Compteur->ReadRecord(kCounterKey); });
  if (run.Test([] {
        return basis::ToInteger(R_Compteur->Extract(kCounterLock, -1, -1).Text()) >= kLockedFrom;
      })) {
    run.Step([] { SaisieSecteurBloquee = basis::True; });
    if (run.Test([this] { return Cmd_OkSectorisation.Visible(); })) {
      run.Step([this] { NiveauAccesInitial = basis::Variant(DroitsEcran->AccessLevel()); });
      run.Step([this] { DroitsEcran->SetAccessLevel(kConsultOnly); });
      if (run.Test([this] {
            return Cbo_LibAntMedAidant.ListCount() == 1 && Cbo_LibCentreMedAidant.ListCount() == 1;
          })) {
        run.Step([this] { Cmd_OkSectorisation.SetVisible(false); });
      } else {
        for (const cascade::Level& level : cascade::kLevels) {
          if (level.lockedInRestrictedMode) {
            for (forms::Widget* field : cascade::Fields(*this, level))
              run.Step([field] { field->SetEnabled(false); });
          }
        }
      }
    }
  } else {
    run.Step([] { SaisieSecteurBloquee = basis::False; });
    run.Step([this] { NiveauAccesInitial = basis::Variant(DroitsEcran->AccessLevel()); });
  }

  run.Step([this] { W_SortirSectorisation = basis::False; });
  run.Step([this] { LibellesOk = basis::False; });
  run.Step([this] { ArticleInitial.clear(); });
  run.Step([] { R_CivilAidant.Release(); });
  run.Step([this] { R_CivilAidant = F_CivilAidant->ReadRecord(W_Code); });
  std::string nom;
  std::string prenom;
  run.Step([&nom] { nom = TextOf(R_CivilAidant, kNom); });
  run.Step([&prenom] { prenom = TextOf(R_CivilAidant, kPrenom); });
  run.Step([&] {
    Etq_CodeNomPrenomAidant.SetCaption(W_Code + kCaptionSeparator + nom + kCaptionSeparator +
                                       prenom);
  });

  if (run.Test([] { return TextOf(R_CivilAidant, record::kSecteur).empty(); })) {
    run.Step([] { EnCreation = basis::True; });
    run.Step([this] { Cbo_LibSousSecteurAidant.SetEnabled(false); });
    run.Step([this] { Cbo_LibQuartierAidant.SetEnabled(false); });
    if (run.Test([] { return !TextOf(R_CivilAidant, kCommune).empty(); })) {
      run.Step([] { R_Commune.Release(); });
      run.Step([] { R_Commune = F_Communes->ReadRecord(TextOf(R_CivilAidant, kCommune)); });
      if (run.Test([] { return !TextOf(R_Commune, kCommuneSecteur).empty(); })) {
        run.Step([] { R_Secteur.Release(); });
        run.Step([] { R_Secteur = F_Secteur->ReadRecord(TextOf(R_Commune, kCommuneSecteur)); });
        run.Step([this] { Txt_SecteurAidant.SetText(TextOf(R_Secteur, kKey)); });
      }
    }
  } else {
    run.Step([] { EnCreation = basis::False; });
    run.Step([this] { ArticleInitial = R_CivilAidant->Text(); });
    run.Step([this] { Lecture(); });
    run.Step([this] { Affichage_Sectorisation(); });
  }

  if (run.Test([] { return !TextOf(R_CivilAidant, record::kSecteursAssocies).empty(); }))
    run.Step([this] { RemplirListe_SecteursSel(); });
  run.Step([this] { Ong_Sectorisation.SetTab(0); });
}
