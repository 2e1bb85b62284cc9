#include <optional>
#include <string>

#include "basis/Error.h"
#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "forms/MessageStyle.h"

using Variables::R_MoyensLoc;

namespace {

// The position (from 1) of the first label equal to the text, or 0.
basis::Integer PositionOfLabel(const std::string& label) {
  basis::Integer i = 0;
  std::string found;
  do {
    i = basis::Add(i, 1);
    found = R_MoyensLoc->Extract(fields::kMeansOfTransportLabels, i).Text();
  } while (found != label && !found.empty());
  return found.empty() ? 0 : i;
}

// The code at that position, or nothing when the table holds there what no 16-bit
// integer reads.
std::optional<basis::Integer> CodeAt(basis::Integer position) {
  try {
    return basis::ToInteger(R_MoyensLoc->Extract(fields::kMeansOfTransportCodes, position).Text());
  } catch (const basis::Error&) {
    return std::nullopt;
  }
}

}  // namespace

// Found by its label, so a label listed twice gives the code of its first place. An entry
// whose code is not a number cannot be saved: the list goes back to the choice the code
// stands for, so that what is shown stays what is saved.
void Ctr_Sectorisation::Cbo_LibMoyLocAidant_Click() {
  const std::string libelle = Cbo_LibMoyLocAidant.Text();
  const basis::Integer i = PositionOfLabel(libelle);
  if (i == 0)
    return;
  if (const std::optional<basis::Integer> code = CodeAt(i)) {
    CodeMoyenLoc = *code;
    return;
  }
  Cbo_LibMoyLocAidant.SetText(Libelle_MoyenLoc(CodeMoyenLoc));
  Host.MsgBox("Le moyen de locomotion « " + libelle + " » ne peut pas être choisi : son code « " +
                  R_MoyensLoc->Extract(fields::kMeansOfTransportCodes, i).Text() +
                  " » dans l'enregistrement " + fields::kMeansOfTransportKey +
                  " du fichier TABLES n'est pas un nombre entier de -32768 à 32767.",
              forms::kStyleExclamation, forms::kMessageTitle);
}

std::string Ctr_Sectorisation::Libelle_MoyenLoc(basis::Integer code) const {
  for (basis::Integer i = 1;; i = basis::Add(i, 1)) {
    if (R_MoyensLoc->Extract(fields::kMeansOfTransportCodes, i).Text().empty())
      return "";
    if (CodeAt(i) == code)
      return R_MoyensLoc->Extract(fields::kMeansOfTransportLabels, i).Text();
  }
}

bool Ctr_Sectorisation::MoyenLoc_Choisi() const {
  const basis::Integer i = PositionOfLabel(Cbo_LibMoyLocAidant.Text());
  return i != 0 && CodeAt(i) == CodeMoyenLoc;
}
