#pragma once

#include <istream>
#include <string>

#include "dba/DatabaseConnection.h"

namespace appsupport {

// Loading records from a JSON Lines file named on a command line.
class JsonLinesFile {
 public:
  // path "-" reads standardInput. All or nothing; returns the number of records loaded.
  // A file that cannot be read is an invalid call (5) naming it.
  static long Load(dba::DatabaseConnection& connection, const std::string& path,
                   std::istream& standardInput);
};

}  // namespace appsupport
