// A host of the installed component library: it brings the screen up for one aidant on
// a store of its own, then checks what a host relies on.
#include <filesystem>
#include <iostream>
#include <memory>

#include "control/Ctr_Sectorisation.h"
#include "dba/DatabaseClient.h"
#include "dba/DynamicArray.h"
#include "forms/ScriptedHost.h"
#include "rights/UserRights.h"

namespace {

int Fail(const std::string& what) {
  std::cerr << "sample-host: " << what << '\n';
  return 1;
}

}  // namespace

int main() {
  auto client = std::make_shared<dba::DatabaseClient>();
  auto database = client->Connect("sqlite::memory:");
  for (const char* file : {"CIVILAIDANT", "TABLES", "SECTEUR", "SOUSSECTEUR", "QUARTIER",
                           "CENTREMEDICAL", "ANTENNEMEDICALE", "COMMUNES", "COMPTEUR"})
    database->CreateFile(file);
  database->OpenFile("SECTEUR")->WriteRecord("001", dba::DynamicArray("001", "Centre"));
  auto rights = std::make_shared<rights::UserRights>();
  rights->Grant("DOSAIDANTSECTEUR", 2);

  forms::ScriptedHost host;
  Ctr_Sectorisation control(host, host);
  control.TheDatabase(database);
  control.TheClient(client);
  control.DroitsUtilisateur(rights);
  control.W_Code = "A1";
  control.Init();
  if (control.Cbo_LibSecteurAidant.List(0) != "Centre")
    return Fail("the sector list was not filled");

  control.Mnu_Sommaire.UserClick();
  const auto help = host.HelpCalls();
  if (help.empty() || !std::filesystem::exists(help.back().text))
    return Fail("no help file beside the library");
  std::cout << "help file: " << help.back().text << '\n';
  return 0;
}
