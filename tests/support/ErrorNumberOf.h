#pragma once

#include <functional>

#include "basis/Error.h"

// The number of the error the call raises, kNoError when it returns normally.
inline long ErrorNumberOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const basis::Error& error) {
    return error.Number();
  }
  return basis::kNoError;
}
