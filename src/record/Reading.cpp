#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "fields/TextParts.h"
#include "record/AidantAttributes.h"

using Variables::R_CivilAidant;

void Ctr_Sectorisation::Lecture() {
  CodeSecteur = R_CivilAidant->Extract(record::kSecteur).Text();
  CodeSousSecteur = R_CivilAidant->Extract(record::kSousSecteur).Text();
  CodeQuartier = R_CivilAidant->Extract(record::kQuartier).Text();
  CodeMoyenLoc = basis::ToInteger(R_CivilAidant->Extract(record::kMoyenLoc).Text());
  CodeAntenneMedicale = R_CivilAidant->Extract(record::kAntenneMedicale).Text();
  CodeCentreMedical = fields::FirstCharacters(CodeAntenneMedicale, fields::kCentreCodeLength);
}
