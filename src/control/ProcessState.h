#pragma once

#include "basis/Export.h"

#include <string>

#include "basis/Integer.h"
#include "basis/Ref.h"
#include "dba/DatabaseClient.h"
#include "dba/DatabaseConnection.h"
#include "dba/DatabaseFile.h"
#include "dba/DynamicArray.h"

// What a process shares between its screens, in one place: the store's connection, its
// open files, the records and result lists in use, the two mode flags and the help
// settings. Every control of the process reads and writes the same set, whichever acts
// last sets it, and the termination of any control releases the store's part of it
// (Procedures::FermerFichiers). The modules Variables and ContextIDs give each member
// the name the screen's code uses.
struct ProcessState {
  // ---- Variables, in declaration order. ----
  basis::Ref<dba::DatabaseClient> TheClient;
  basis::Ref<dba::DatabaseConnection> TheDatabase;
  basis::Ref<dba::DatabaseFile> F_CivilAidant;
  basis::Ref<dba::DatabaseFile> F_Tables;
  basis::Ref<dba::DatabaseFile> F_Secteur;
  basis::Ref<dba::DatabaseFile> F_SousSecteur;
  basis::Ref<dba::DatabaseFile> F_Quartier;
  basis::Ref<dba::DatabaseFile> F_CentreMedical;
  basis::Ref<dba::DatabaseFile> F_AntenneMedicale;
  basis::Ref<dba::DatabaseFile> F_Communes;
  basis::Ref<dba::DynamicArray> R_CivilAidant;
  basis::Ref<dba::DynamicArray> R_MoyensLoc;
  basis::Ref<dba::DynamicArray> R_Secteur;
  basis::Ref<dba::DynamicArray> R_SousSecteur;
  basis::Ref<dba::DynamicArray> R_Quartier;
  basis::Ref<dba::DynamicArray> R_CentreMedical;
  basis::Ref<dba::DynamicArray> R_AntenneMedicale;
  basis::Ref<dba::DynamicArray> R_Commune;
  basis::Ref<dba::DynamicArray> L_Secteur;
  basis::Ref<dba::DynamicArray> L_SousSecteur;
  basis::Ref<dba::DynamicArray> L_Quartier;
  basis::Ref<dba::DynamicArray> L_CentreMedical;
  basis::Ref<dba::DynamicArray> L_AntenneMedicale;
  basis::Boolean EnCreation = basis::False;
  basis::Ref<dba::DatabaseFile> F_Compteur;
  basis::Ref<dba::DynamicArray> R_Compteur;
  basis::Boolean SaisieSecteurBloquee = basis::False;

  // ---- ContextIDs: help. ----
  basis::Long FenetreAide = 0;
  // The component's help file setting: the bare declared name until a control locates it.
  std::string FichierAide = "DELVARO.HLP";
};

// The process's one set. Assigning it a fresh ProcessState{} gives back the state of a
// process that has just started, TheClient included: tests and replays do so between
// runs. Only the user-interface thread touches it.
DELVARO_EXPORT inline ProcessState TheProcess;
