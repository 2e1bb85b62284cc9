#include "basis/Error.h"
#include "control/ContextIDs.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Procedures.h"
#include "control/Variables.h"

namespace {
// The key under which the host's rights component knows this screen.
constexpr const char* kScreenKey = "DOSAIDANTSECTEUR";
}  // namespace

Ctr_Sectorisation::Ctr_Sectorisation(forms::HostServices& host, forms::HelpEngine& help,
                                     long windowHandle)
    : Host(host), Help(help), UserControl(host, "Ctr_Sectorisation", windowHandle) {
  ArrangeWidgets();
  ConnectHandlers();
  UserControl_Initialize();
}

// A failing step of the termination ends it, as the container would see it; a destructor
// has nowhere to report it, so the rest is skipped quietly.
Ctr_Sectorisation::~Ctr_Sectorisation() {
  try {
    UserControl_Terminate();
  } catch (...) {
  }
}

void Ctr_Sectorisation::UserControl_Initialize() {
  ContextIDs::InitAide(basis::Variant(UserControl.WindowHandle()));
}

void Ctr_Sectorisation::UserControl_Terminate() {
  ContextIDs::FermerAide(Help);
  if (!NiveauAccesInitial.IsEmpty())
    DroitsEcran->SetAccessLevel(NiveauAccesInitial.ToLong());
  Procedures::FermerFichiers();
  DroitsEcran.Release();
  DroitsUtilisateur_.Release();
}

void Ctr_Sectorisation::DroitsUtilisateur(const std::shared_ptr<rights::UserRights>& droits) {
  DroitsUtilisateur_ = droits;
  DroitsEcran = DroitsUtilisateur_->RightsFor(kScreenKey);
}

void Ctr_Sectorisation::TheClient(const std::shared_ptr<dba::DatabaseClient>& client) {
  Variables::TheClient = client;
}

// Files are opened by Init only: the host may hand the connection over long before.
void Ctr_Sectorisation::TheDatabase(const std::shared_ptr<dba::DatabaseConnection>& database) {
  Variables::TheDatabase = database;
}
