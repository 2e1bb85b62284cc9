#pragma once

#include "basis/Export.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "rights/ScreenRights.h"

namespace rights {

// The user's rights as a whole, filled in memory by the host. The same screen key
// always gives the same ScreenRights object, so a level written through it is what
// every later reader sees.
class DELVARO_EXPORT UserRights {
 public:
  // A screen the host granted nothing on is read only (level 0).
  std::shared_ptr<ScreenRights> RightsFor(const std::string& screenKey);
  void Grant(const std::string& screenKey, std::int32_t accessLevel);

 private:
  std::map<std::string, std::shared_ptr<ScreenRights>> screens_;
};

}  // namespace rights
