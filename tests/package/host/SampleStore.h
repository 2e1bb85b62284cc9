#pragma once

#include <memory>
#include <string>

#include <delvaro/dba/DatabaseClient.h>
#include <delvaro/dba/DynamicArray.h>
#include <delvaro/dba/Marks.h>
#include <delvaro/rights/UserRights.h>

// A store of the host's own with the nine files of the screen, one sector and one means
// of transport, and the rights of a user who may modify.
struct SampleStore {
  std::shared_ptr<dba::DatabaseClient> client = std::make_shared<dba::DatabaseClient>();
  std::shared_ptr<dba::DatabaseConnection> database = client->Connect("sqlite::memory:");
  std::shared_ptr<rights::UserRights> rights = std::make_shared<rights::UserRights>();

  SampleStore() {
    for (const char* file : {"CIVILAIDANT", "TABLES", "SECTEUR", "SOUSSECTEUR", "QUARTIER",
                             "CENTREMEDICAL", "ANTENNEMEDICALE", "COMMUNES", "COMPTEUR"})
      database->CreateFile(file);
    database->OpenFile("SECTEUR")->WriteRecord("001", dba::DynamicArray("001", "Centre"));
    const std::string transport =
        std::string() + dba::kAttributeMark + "1" + dba::kAttributeMark + "Voiture";
    database->OpenFile("TABLES")->WriteRecord("MOYENSLOC",
                                              dba::DynamicArray("MOYENSLOC", transport));
    rights->Grant("DOSAIDANTSECTEUR", 2);
  }
};
