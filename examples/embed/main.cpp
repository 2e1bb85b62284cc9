// Embedding the sectorisation screen: the calls a host makes, in their order.
#include <iostream>
#include <memory>
#include <string>

#include "control/Ctr_Sectorisation.h"
#include "dba/DatabaseClient.h"
#include "forms/MessageStyle.h"
#include "forms/ScriptedHost.h"
#include "rights/UserRights.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: delvaro-embed-example DATABASE AIDANT\n";
    return 2;
  }
  // A real host implements forms::HostServices and forms::HelpEngine with its own
  // message boxes, event loop and windows (qtui::SectorisationWindow does it for Qt);
  // the scripted ones answer without a person.
  forms::ScriptedHost services;
  auto client = std::make_shared<dba::DatabaseClient>();
  auto rights = std::make_shared<rights::UserRights>();
  rights->Grant("DOSAIDANTSECTEUR", 2);  // 2: the user may modify
  try {
    auto database = client->Connect(std::string("sqlite:") + argv[1]);
    Ctr_Sectorisation screen(services, services);  // placing the control locates its help
    screen.TheDatabase(database);
    screen.TheClient(client);
    screen.DroitsUtilisateur(rights);
    screen.W_Code = argv[2];
    screen.Init();  // opens the files, fills the lists, shows the aidant's sectorisation
    std::cout << screen.Etq_CodeNomPrenomAidant.Caption() << '\n'
              << "Secteur : " << screen.Txt_SecteurAidant.Text() << ' '
              << screen.Cbo_LibSecteurAidant.Text() << '\n';
    services.QueueAnswer(forms::kAnswerYes);  // "quitter cette création ?" when it is one
    screen.Cmd_RetourSectorisation.UserClick();
    std::cout << "W_SortirSectorisation : " << screen.W_SortirSectorisation << '\n';
  } catch (const basis::Error& error) {
    std::cerr << "Erreur " << error.Number() << " : " << error.Description() << '\n';
    return 1;
  }
  return 0;  // destroying the control ran its termination: files and connection released
}
