// TEMPORARY: stand-ins for member functions still being written, so that the class
// links while its areas are built in parallel. Each function is removed from here when
// its real definition lands; this file is deleted when it is empty.
#include "basis/Error.h"
#include "control/Ctr_Sectorisation.h"

namespace {
[[noreturn]] void Pending() {
  throw basis::Error(basis::kInternalError, "pas encore disponible");
}
}  // namespace

void Ctr_Sectorisation::Txt_SecteurAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Txt_SecteurAidant_KeyPress(basis::Integer&) {
  Pending();
}
void Ctr_Sectorisation::Txt_SecteurAidant_LostFocus() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibSecteurAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibSecteurAidant_Click() {
  Pending();
}
void Ctr_Sectorisation::Txt_SousSecteurAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Txt_SousSecteurAidant_KeyPress(basis::Integer&) {
  Pending();
}
void Ctr_Sectorisation::Txt_SousSecteurAidant_LostFocus() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibSousSecteurAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibSousSecteurAidant_Click() {
  Pending();
}
void Ctr_Sectorisation::Txt_QuartierAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Txt_QuartierAidant_KeyPress(basis::Integer&) {
  Pending();
}
void Ctr_Sectorisation::Txt_QuartierAidant_LostFocus() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibQuartierAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibQuartierAidant_Click() {
  Pending();
}
void Ctr_Sectorisation::Txt_CentreMedAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Txt_CentreMedAidant_KeyPress(basis::Integer&) {
  Pending();
}
void Ctr_Sectorisation::Txt_CentreMedAidant_LostFocus() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibCentreMedAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibCentreMedAidant_Click() {
  Pending();
}
void Ctr_Sectorisation::Txt_AntMedAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Txt_AntMedAidant_KeyPress(basis::Integer&) {
  Pending();
}
void Ctr_Sectorisation::Txt_AntMedAidant_LostFocus() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibAntMedAidant_Change() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibAntMedAidant_Click() {
  Pending();
}
void Ctr_Sectorisation::Cbo_LibMoyLocAidant_Click() {
  Pending();
}
void Ctr_Sectorisation::Lecture() {
  Pending();
}
void Ctr_Sectorisation::Affichage_Sectorisation() {
  Pending();
}
void Ctr_Sectorisation::Verif_Libelles() {
  Pending();
}
void Ctr_Sectorisation::Ecriture_Sectorisation() {
  Pending();
}
void Ctr_Sectorisation::Cmd_OkSectorisation_Click() {
  Pending();
}
void Ctr_Sectorisation::Cmd_RetourSectorisation_Click() {
  Pending();
}
