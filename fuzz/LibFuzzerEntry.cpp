// The libFuzzer entry point of one target, chosen when the fuzzer is built.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::DELVARO_FUZZ_TARGET(data, size);
}
