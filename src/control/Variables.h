#pragma once

#include "control/ProcessState.h"

// The process-wide state under the names the screen's code uses: each is the member of
// the same name of TheProcess, where the whole set is declared.
namespace Variables {

inline auto& TheClient = TheProcess.TheClient;
inline auto& TheDatabase = TheProcess.TheDatabase;
inline auto& F_CivilAidant = TheProcess.F_CivilAidant;
inline auto& F_Tables = TheProcess.F_Tables;
inline auto& F_Secteur = TheProcess.F_Secteur;
inline auto& F_SousSecteur = TheProcess.F_SousSecteur;
inline auto& F_Quartier = TheProcess.F_Quartier;
inline auto& F_CentreMedical = TheProcess.F_CentreMedical;
inline auto& F_AntenneMedicale = TheProcess.F_AntenneMedicale;
inline auto& F_Communes = TheProcess.F_Communes;
inline auto& R_CivilAidant = TheProcess.R_CivilAidant;
inline auto& R_MoyensLoc = TheProcess.R_MoyensLoc;
inline auto& R_Secteur = TheProcess.R_Secteur;
inline auto& R_SousSecteur = TheProcess.R_SousSecteur;
inline auto& R_Quartier = TheProcess.R_Quartier;
inline auto& R_CentreMedical = TheProcess.R_CentreMedical;
inline auto& R_AntenneMedicale = TheProcess.R_AntenneMedicale;
inline auto& R_Commune = TheProcess.R_Commune;
inline auto& L_Secteur = TheProcess.L_Secteur;
inline auto& L_SousSecteur = TheProcess.L_SousSecteur;
inline auto& L_Quartier = TheProcess.L_Quartier;
inline auto& L_CentreMedical = TheProcess.L_CentreMedical;
inline auto& L_AntenneMedicale = TheProcess.L_AntenneMedicale;
inline auto& EnCreation = TheProcess.EnCreation;
inline auto& F_Compteur = TheProcess.F_Compteur;
inline auto& R_Compteur = TheProcess.R_Compteur;
inline auto& SaisieSecteurBloquee = TheProcess.SaisieSecteurBloquee;

}  // namespace Variables
