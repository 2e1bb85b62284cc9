#pragma once

#include <optional>
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

// The aidants of CIVILAIDANT in key order, read in one pass over the file (and one over
// SECTEUR for the labels). A missing file or a failure of the store is thrown as
// basis::Error.
std::vector<AidantRow> ReadAidants(dba::DatabaseConnection& connection);

// One aidant read again, nullopt when the record is gone. Failures as ReadAidants.
std::optional<AidantRow> ReadAidant(dba::DatabaseConnection& connection, const std::string& code);

}  // namespace host
