#include "basis/ResumeNext.h"

namespace basis {

void ResumeNext::Step(const std::function<void()>& step) {
  try {
    step();
  } catch (const Error& error) {
    lastErrorNumber_ = error.Number();
  }
}

bool ResumeNext::Test(const std::function<bool()>& test) {
  try {
    return test();
  } catch (const Error& error) {
    lastErrorNumber_ = error.Number();
    return true;
  }
}

}  // namespace basis
