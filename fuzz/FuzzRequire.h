#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzz {

// What must hold for every input; a failure ends the process so that the fuzzer keeps
// the input, and says which property broke.
inline void Require(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "fuzz: property broken: %s\n", property);
    std::abort();
  }
}

}  // namespace fuzz
