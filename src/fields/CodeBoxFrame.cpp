#include <string>

#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "fields/ReferenceRows.h"
#include "fields/TextParts.h"
#include "forms/MessageStyle.h"

namespace {

// The row (from 1) that holds the key, or 0 when the search runs past the last row.
// A list that was never filled (a sub-sector typed before any sector) is searched as
// an empty one, so the code is simply unknown.
basis::Integer RowOfKey(const basis::Ref<dba::DynamicArray>& list, const std::string& key) {
  if (list.IsNothing())
    return 0;
  basis::Integer row = 0;
  std::string rowKey;
  do {
    row = basis::Add(row, 1);
    rowKey = fields::RowKey(list, row);
  } while (rowKey != key && !rowKey.empty());
  return rowKey.empty() ? 0 : row;
}

}  // namespace

void Ctr_Sectorisation::Reaction_CodeSaisi(
    forms::TextBox& box, std::size_t longueurCode, const std::string& prefixeCle,
    const basis::Ref<dba::DynamicArray>& listeReference, const std::string& messageInconnu,
    const std::function<void()>& etapesIncompletes,
    const std::function<void(basis::Integer ligne)>& etapesTrouvees) {
  if (fields::Length(box.Text()) != longueurCode) {
    etapesIncompletes();
    return;
  }
  const basis::Integer ligne = RowOfKey(listeReference, prefixeCle + box.Text());
  if (ligne == 0) {
    Host.MsgBox(messageInconnu, forms::kStyleExclamation, forms::kMessageTitle);
    // Emptying the box runs this reaction again, which resets the levels below.
    box.SetText("");
    box.SetFocus();
    return;
  }
  etapesTrouvees(ligne);
}

void Ctr_Sectorisation::Completer_Zeros(forms::TextBox& box, std::size_t longueurCode,
                                        bool aussiVide) {
  const std::size_t longueur = fields::Length(box.Text());
  if (longueur >= longueurCode || (longueur == 0 && !aussiVide))
    return;
  box.SetText(std::string(longueurCode - longueur, '0') + box.Text());
}

void Ctr_Sectorisation::Vider_CodeSiLibelleVide(const forms::ComboBox& libelle,
                                                forms::TextBox& box) {
  if (libelle.Text().empty())
    box.SetText("");
}
