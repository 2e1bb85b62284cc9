#pragma once

#include <string>
#include <vector>

#include "dba/DatabaseConnection.h"

namespace host {

// One aidant as the host's list shows it.
struct AidantRow {
  std::string code;
  std::string nom;
  std::string prenom;
  std::string secteur;  // the sector's code and label, or the code alone
};

// The aidants of CIVILAIDANT in key order.
std::vector<AidantRow> ReadAidants(dba::DatabaseConnection& connection);

}  // namespace host
