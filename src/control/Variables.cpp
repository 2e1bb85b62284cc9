#include "control/Variables.h"

#include "control/Procedures.h"

namespace Variables {

void Reset() {
  Procedures::FermerFichiers();
  TheClient.Release();
  EnCreation = basis::False;
  SaisieSecteurBloquee = basis::False;
}

}  // namespace Variables
