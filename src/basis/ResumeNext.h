#pragma once

#include "basis/Export.h"

#include <functional>

#include "basis/Error.h"

namespace basis {

// Runs routine steps in continue-on-error mode: a step that raises an Error is
// abandoned and the next one runs; a test that raises counts as satisfied, so its
// then-branch runs. The number of the last error raised is kept for the caller.
class DELVARO_EXPORT ResumeNext {
 public:
  void Step(const std::function<void()>& step);
  bool Test(const std::function<bool()>& test);

  long LastErrorNumber() const { return lastErrorNumber_; }

 private:
  long lastErrorNumber_ = kNoError;
};

}  // namespace basis
