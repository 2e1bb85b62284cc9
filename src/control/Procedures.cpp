#include "control/Procedures.h"

#include "control/Variables.h"

namespace Procedures {

using namespace Variables;

// The order matters to the host: a file that cannot be opened leaves the ones before it
// open, and the failure names that file.
void OuvrirFichiers() {
  F_CivilAidant = TheDatabase->OpenFile("CIVILAIDANT");
  F_Tables = TheDatabase->OpenFile("TABLES");
  F_Secteur = TheDatabase->OpenFile("SECTEUR");
  F_SousSecteur = TheDatabase->OpenFile("SOUSSECTEUR");
  F_Quartier = TheDatabase->OpenFile("QUARTIER");
  F_CentreMedical = TheDatabase->OpenFile("CENTREMEDICAL");
  F_AntenneMedicale = TheDatabase->OpenFile("ANTENNEMEDICALE");
  F_Communes = TheDatabase->OpenFile("COMMUNES");
  F_Compteur = TheDatabase->OpenFile("COMPTEUR");
}

// Releasing the last reference ends a store object, so the lists and records go before
// the files they came from, and the connection last. TheClient belongs to the host.
void FermerFichiers() {
  L_Secteur.Release();
  L_SousSecteur.Release();
  L_Quartier.Release();
  L_CentreMedical.Release();
  L_AntenneMedicale.Release();
  R_CivilAidant.Release();
  R_MoyensLoc.Release();
  R_Secteur.Release();
  R_SousSecteur.Release();
  R_Quartier.Release();
  R_CentreMedical.Release();
  R_AntenneMedicale.Release();
  R_Commune.Release();
  F_CivilAidant.Release();
  F_Tables.Release();
  F_Secteur.Release();
  F_SousSecteur.Release();
  F_Quartier.Release();
  F_CentreMedical.Release();
  F_AntenneMedicale.Release();
  F_Communes.Release();
  R_Compteur.Release();
  F_Compteur.Release();
  TheDatabase.Release();
}

}  // namespace Procedures
