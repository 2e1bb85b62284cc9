#pragma once

#include "basis/Export.h"

#include <cstdint>

namespace rights {

// The user's rights on one screen. Level 2 lets the user modify its data; every
// other level means read only.
class DELVARO_EXPORT ScreenRights {
 public:
  explicit ScreenRights(std::int32_t accessLevel = 0) : accessLevel_(accessLevel) {}

  std::int32_t AccessLevel() const { return accessLevel_; }
  void SetAccessLevel(std::int32_t level) { accessLevel_ = level; }

 private:
  std::int32_t accessLevel_;
};

}  // namespace rights
