#include <functional>

#include "basis/Error.h"
#include "basis/ErrorNumber.h"
#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "fields/ReferenceRows.h"
#include "fields/TextParts.h"
#include "forms/MessageStyle.h"
#include "record/AidantAttributes.h"

using Variables::R_CivilAidant;

namespace {

// Whether the list shows the label of the code's entry, the code boxes making that code.
bool LabelOfCode(const forms::ComboBox& libelle, const basis::Ref<dba::DynamicArray>& liste,
                 const std::string& code, const std::string& codeDesCases) {
  if (code != codeDesCases)
    return false;
  const basis::Integer ligne = fields::RowOfKey(liste, code);
  return ligne != 0 && fields::RowLabel(liste, ligne) == libelle.Text();
}

}  // namespace

// A label counts as chosen only when it is the label of the entry that saving would
// write: the code variable's entry in the level's list, under the key the code boxes
// make. A label typed and not picked, or left behind by a level that moved, would
// otherwise be saved next to another code.
void Ctr_Sectorisation::Verif_Libelles() {
  using namespace Variables;
  const std::string secteur = Txt_SecteurAidant.Text();
  const std::string sousSecteur = secteur + Txt_SousSecteurAidant.Text();
  const std::string quartier = sousSecteur + Txt_QuartierAidant.Text();
  const std::string antenne = Txt_CentreMedAidant.Text() + Txt_AntMedAidant.Text();
  const std::string centre =
      fields::FirstCharacters(CodeAntenneMedicale, fields::kCentreCodeLength);
  struct Verification {
    forms::ComboBox& libelle;
    const char* message;
    std::function<bool()> choisi;
  };
  const Verification verifications[] = {
      {Cbo_LibSecteurAidant, "Vous devez choisir un secteur.",
       [&] { return LabelOfCode(Cbo_LibSecteurAidant, L_Secteur, CodeSecteur, secteur); }},
      {Cbo_LibSousSecteurAidant, "Vous devez choisir un sous-secteur.",
       [&] {
         return LabelOfCode(Cbo_LibSousSecteurAidant, L_SousSecteur, CodeSousSecteur, sousSecteur);
       }},
      {Cbo_LibQuartierAidant, "Vous devez choisir un quartier.",
       [&] { return LabelOfCode(Cbo_LibQuartierAidant, L_Quartier, CodeQuartier, quartier); }},
      {Cbo_LibCentreMedAidant, "Vous devez choisir un centre médical.",
       [&] {
         return LabelOfCode(Cbo_LibCentreMedAidant, L_CentreMedical, centre,
                            Txt_CentreMedAidant.Text());
       }},
      {Cbo_LibAntMedAidant, "Vous devez choisir une antenne médicale.",
       [&] {
         return LabelOfCode(Cbo_LibAntMedAidant, L_AntenneMedicale, CodeAntenneMedicale, antenne);
       }},
      {Cbo_LibMoyLocAidant, "Vous devez choisir un moyen de locomotion.",
       [&] { return MoyenLoc_Choisi(); }},
  };
  for (const Verification& verification : verifications) {
    const bool vide = verification.libelle.Text().empty();
    if (vide || !verification.choisi()) {
      Host.MsgBox(verification.message, forms::kStyleExclamation, forms::kMessageTitle);
      // A check that passed before must not let a later save through with a missing
      // choice.
      LibellesOk = basis::False;
      // A text that is not a choice is shown where it has to be corrected.
      if (!vide)
        verification.libelle.SetFocus();
      return;
    }
  }
  LibellesOk = basis::True;
}

const basis::Ref<dba::DynamicArray>& Ctr_Sectorisation::Article_Aidant() const {
  if (R_CivilAidant.IsNothing()) {
    throw basis::Error(basis::kRecordNotFound,
                       "L'aidant « " + W_Code +
                           " » n'existe pas dans le fichier CIVILAIDANT : sa sectorisation ne "
                           "peut être ni lue ni enregistrée.");
  }
  return R_CivilAidant;
}

void Ctr_Sectorisation::Poser_Sectorisation(const std::string& secteur,
                                            const std::string& sousSecteur,
                                            const std::string& quartier,
                                            const std::string& antenne) {
  const basis::Ref<dba::DynamicArray>& article = Article_Aidant();
  article->Replace(record::kSecteur, secteur);
  article->Replace(record::kSousSecteur, sousSecteur);
  article->Replace(record::kQuartier, quartier);
  article->Replace(record::kMoyenLoc, CodeMoyenLoc);
  article->Replace(record::kAntenneMedicale, antenne);
  // The selected sectors replace whatever the attribute held, in the list's order.
  article->Replace(record::kSecteursAssocies, "");
  const int n = Lst_Sel.ListCount();
  for (int i = 0; i < n; ++i) {
    article->Replace(record::kSecteursAssocies, i + 1,
                     basis::FormatThreeDigits(Lst_Sel.ItemData(i)));
  }
}

void Ctr_Sectorisation::Ecriture_Sectorisation() {
  Poser_Sectorisation(CodeSecteur, CodeSousSecteur, CodeQuartier, CodeAntenneMedicale);
  R_CivilAidant->DBWrite();
}

void Ctr_Sectorisation::Marquer_Occupe() {
  UserControl.SetMousePointer(0);
  UserControl.SetBusyUntilIdle(true);
}

void Ctr_Sectorisation::Cmd_OkSectorisation_Click() {
  Verif_Libelles();
  if (LibellesOk != basis::True)
    return;
  Marquer_Occupe();
  Ecriture_Sectorisation();
  Host.DoEvents();
  Marquer_Occupe();
  Quitter_Ecran();
}
