#include <iterator>
#include <string>

#include "basis/Error.h"
#include "basis/ErrorNumber.h"
#include "basis/Integer.h"
#include "control/CascadeLevels.h"
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
  // What OK writes for each level that has a code box, in the levels' order; the centre
  // is written as the start of the antenna's key.
  const std::string codes[] = {
      CodeSecteur, CodeSousSecteur, CodeQuartier,
      fields::FirstCharacters(CodeAntenneMedicale, fields::kCentreCodeLength), CodeAntenneMedicale};
  for (std::size_t i = 0; i < std::size(cascade::kLevels); ++i) {
    const cascade::Level& level = cascade::kLevels[i];
    forms::ComboBox& libelle = this->*level.labelList;
    const bool vide = libelle.Text().empty();
    const bool choisi =
        !vide &&
        (level.codeBox == nullptr
             ? MoyenLoc_Choisi()
             : LabelOfCode(libelle, TheProcess.*level.referenceList, codes[i],
                           cascade::KeyPrefix(*this, level) + (this->*level.codeBox).Text()));
    if (!choisi) {
      Host.MsgBox(level.missingChoice, forms::kStyleExclamation, forms::kMessageTitle);
      // A check that passed before must not let a later save through with a missing
      // choice.
      LibellesOk = basis::False;
      // A text that is not a choice is shown where it has to be corrected.
      if (!vide)
        libelle.SetFocus();
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
