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

Ctr_Sectorisation::Ctr_Sectorisation(forms::HostServices& host, forms::HelpEngine& help,
                                     long windowHandle)
    : Host(host), Help(help), UserControl(host, "Ctr_Sectorisation", windowHandle) {}
Ctr_Sectorisation::~Ctr_Sectorisation() {}
void Ctr_Sectorisation::DroitsUtilisateur(const std::shared_ptr<rights::UserRights>&) {
  Pending();
}
void Ctr_Sectorisation::TheClient(const std::shared_ptr<dba::DatabaseClient>&) {
  Pending();
}
void Ctr_Sectorisation::TheDatabase(const std::shared_ptr<dba::DatabaseConnection>&) {
  Pending();
}
void Ctr_Sectorisation::Init() {
  Pending();
}
void Ctr_Sectorisation::RemplirCombo_SecteurAidant() {
  Pending();
}
void Ctr_Sectorisation::RemplirCombo_SousSecteurAidant() {
  Pending();
}
void Ctr_Sectorisation::Affiche_SousSecteurUnique() {
  Pending();
}
void Ctr_Sectorisation::RemplirCombo_QuartierAidant() {
  Pending();
}
void Ctr_Sectorisation::Affiche_QuartierUnique() {
  Pending();
}
void Ctr_Sectorisation::RemplirCombo_MoyensLoc() {
  Pending();
}
void Ctr_Sectorisation::RemplirCombo_CentreMedAidant() {
  Pending();
}
void Ctr_Sectorisation::RemplirCombo_AntMedAidant() {
  Pending();
}
void Ctr_Sectorisation::UserControl_Initialize() {
  Pending();
}
void Ctr_Sectorisation::UserControl_Terminate() {
  Pending();
}
void Ctr_Sectorisation::ArrangeWidgets() {
  Pending();
}
void Ctr_Sectorisation::ConnectHandlers() {
  Pending();
}
void Ctr_Sectorisation::UserControl_MouseDown(basis::Integer&, basis::Integer&, float&, float&) {
  Pending();
}
void Ctr_Sectorisation::Mnu_Sommaire_Click() {
  Pending();
}
void Ctr_Sectorisation::AppliquerDroits() {
  Pending();
}
void Ctr_Sectorisation::Cmd_Ajoute_Click() {
  Pending();
}
void Ctr_Sectorisation::Cmd_Ote_Click() {
  Pending();
}
void Ctr_Sectorisation::Cmd_Tous_Click() {
  Pending();
}
void Ctr_Sectorisation::Lst_Pos_DblClick() {
  Pending();
}
void Ctr_Sectorisation::Lst_Sel_DblClick() {
  Pending();
}
void Ctr_Sectorisation::Ajoute_Selection(forms::ListBox&, forms::ListBox&) {
  Pending();
}
void Ctr_Sectorisation::Ote_Selection(forms::ListBox&) {
  Pending();
}
basis::Boolean Ctr_Sectorisation::Existe_DansListe(const std::string&, forms::ListBox&) {
  Pending();
}
void Ctr_Sectorisation::RemplirListe_SecteursSel() {
  Pending();
}
