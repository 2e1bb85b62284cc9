#pragma once

#include "basis/Export.h"

#include "basis/Integer.h"
#include "basis/Ref.h"
#include "dba/DatabaseClient.h"
#include "dba/DatabaseConnection.h"
#include "dba/DatabaseFile.h"
#include "dba/DynamicArray.h"

// The process-wide state: one set per process, shared by every control, set by
// whichever control acts last and released at the termination of any control.
namespace Variables {

using basis::Ref;

inline Ref<dba::DatabaseClient> TheClient;
inline Ref<dba::DatabaseConnection> TheDatabase;
inline Ref<dba::DatabaseFile> F_CivilAidant;
inline Ref<dba::DatabaseFile> F_Tables;
inline Ref<dba::DatabaseFile> F_Secteur;
inline Ref<dba::DatabaseFile> F_SousSecteur;
inline Ref<dba::DatabaseFile> F_Quartier;
inline Ref<dba::DatabaseFile> F_CentreMedical;
inline Ref<dba::DatabaseFile> F_AntenneMedicale;
inline Ref<dba::DatabaseFile> F_Communes;
inline Ref<dba::DynamicArray> R_CivilAidant;
inline Ref<dba::DynamicArray> R_MoyensLoc;
inline Ref<dba::DynamicArray> R_Secteur;
inline Ref<dba::DynamicArray> R_SousSecteur;
inline Ref<dba::DynamicArray> R_Quartier;
inline Ref<dba::DynamicArray> R_CentreMedical;
inline Ref<dba::DynamicArray> R_AntenneMedicale;
inline Ref<dba::DynamicArray> R_Commune;
inline Ref<dba::DynamicArray> L_Secteur;
inline Ref<dba::DynamicArray> L_SousSecteur;
inline Ref<dba::DynamicArray> L_Quartier;
inline Ref<dba::DynamicArray> L_CentreMedical;
inline Ref<dba::DynamicArray> L_AntenneMedicale;
inline basis::Boolean EnCreation = basis::False;
inline Ref<dba::DatabaseFile> F_Compteur;
inline Ref<dba::DynamicArray> R_Compteur;
inline basis::Boolean SaisieSecteurBloquee = basis::False;

// Empties every variable, TheClient included: a fresh process, for tests and replays.
DELVARO_EXPORT void Reset();

}  // namespace Variables
