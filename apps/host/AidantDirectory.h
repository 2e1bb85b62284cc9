#pragma once

#include <optional>
#include <string>

#include "dba/DatabaseConnection.h"
#include "host/AidantTable.h"

namespace host {

// The aidants of CIVILAIDANT in key order, read in one pass over the file (and one over
// SECTEUR for the labels). A missing file or a failure of the store is thrown as
// basis::Error.
AidantTable ReadAidants(dba::DatabaseConnection& connection);

// One aidant read again, nullopt when the record is gone. Failures as ReadAidants.
std::optional<AidantRow> ReadAidant(dba::DatabaseConnection& connection, const std::string& code);

}  // namespace host
