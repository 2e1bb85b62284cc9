#pragma once

#include "basis/Export.h"

#include <functional>
#include <string>
#include <vector>

namespace qtui {

// Runs one user action on the model, described by the words of its scenario line.
class DELVARO_EXPORT ActionRunner {
 public:
  virtual ~ActionRunner() = default;
  virtual void Run(const std::vector<std::string>& words, const std::function<void()>& action) = 0;
};

}  // namespace qtui
