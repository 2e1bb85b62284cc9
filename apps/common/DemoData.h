#pragma once

#include <string_view>

#include "dba/DatabaseConnection.h"

namespace appsupport {

// The demo database of a small home-help service: sectors down to districts, medical
// centres and antennas, means of transport, communes, the counter and some forty aidants.
class DemoData {
 public:
  // The records as JSON Lines, byte for byte the committed data/demo.jsonl.
  static std::string_view Text();

  // Loads them, all or nothing, and returns the number of records loaded.
  static long Load(dba::DatabaseConnection& connection);
};

}  // namespace appsupport
