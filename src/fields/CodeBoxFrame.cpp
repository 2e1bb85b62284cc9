#include <string>

#include "basis/Integer.h"
#include "control/CascadeLevels.h"
#include "control/Ctr_Sectorisation.h"
#include "fields/ReferenceRows.h"
#include "fields/TextParts.h"
#include "forms/MessageStyle.h"

void Ctr_Sectorisation::Reaction_CodeSaisi(
    const cascade::Level& niveau, const std::function<void()>& etapesIncompletes,
    const std::function<void(basis::Integer ligne)>& etapesTrouvees) {
  forms::TextBox& box = this->*niveau.codeBox;
  if (fields::Length(box.Text()) != niveau.codeLength) {
    etapesIncompletes();
    return;
  }
  const basis::Integer ligne = fields::RowOfKey(TheProcess.*niveau.referenceList,
                                                cascade::KeyPrefix(*this, niveau) + box.Text());
  if (ligne == 0) {
    Host.MsgBox(niveau.unknownCode, forms::kStyleExclamation, forms::kMessageTitle);
    // Emptying the box runs this reaction again, which resets the levels below.
    box.SetText("");
    box.SetFocus();
    return;
  }
  etapesTrouvees(ligne);
}

void Ctr_Sectorisation::Completer_Zeros(const cascade::Level& niveau, bool aussiVide) {
  forms::TextBox& box = this->*niveau.codeBox;
  const std::size_t longueur = fields::Length(box.Text());
  if (longueur >= niveau.codeLength || (longueur == 0 && !aussiVide))
    return;
  box.SetText(std::string(niveau.codeLength - longueur, '0') + box.Text());
}

void Ctr_Sectorisation::Vider_CodeSiLibelleVide(const forms::ComboBox& libelle,
                                                forms::TextBox& box) {
  if (libelle.Text().empty())
    box.SetText("");
}
