#include <string>

#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"

using Variables::R_MoyensLoc;

void Ctr_Sectorisation::Cbo_LibMoyLocAidant_Click() {
  // Found by its label, so a label listed twice gives the code of its first place.
  basis::Integer i = 0;
  std::string libelle;
  do {
    i = basis::Add(i, 1);
    libelle = R_MoyensLoc->Extract(fields::kMeansOfTransportLabels, i).Text();
  } while (libelle != Cbo_LibMoyLocAidant.Text() && !libelle.empty());
  if (!libelle.empty())
    CodeMoyenLoc = basis::ToInteger(R_MoyensLoc->Extract(fields::kMeansOfTransportCodes, i).Text());
}
