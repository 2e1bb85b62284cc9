#include <string>

#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "fields/ReferenceRows.h"
#include "fields/TextParts.h"
#include "forms/MessageStyle.h"

void Ctr_Sectorisation::Reaction_CodeSaisi(
    forms::TextBox& box, std::size_t longueurCode, const std::string& prefixeCle,
    const basis::Ref<dba::DynamicArray>& listeReference, const std::string& messageInconnu,
    const std::function<void()>& etapesIncompletes,
    const std::function<void(basis::Integer ligne)>& etapesTrouvees) {
  if (fields::Length(box.Text()) != longueurCode) {
    etapesIncompletes();
    return;
  }
  const basis::Integer ligne = fields::RowOfKey(listeReference, prefixeCle + box.Text());
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
