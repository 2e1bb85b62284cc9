#pragma once

#include <string>

#include "rights/RightsRecord.h"

namespace rights {

// The record of the rights file that applies to a login, and whose it is.
struct LoginRights {
  // The login itself, the default "*", or empty when neither has a record (then the
  // record grants nothing).
  std::string recordKey;
  RightsRecord record;
};

}  // namespace rights
