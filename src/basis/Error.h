#pragma once

#include "basis/Export.h"

#include <stdexcept>
#include <string>

#include "basis/ErrorNumber.h"

namespace basis {

// A failure raised to the caller: a number and a description, as the host sees it. A
// failure that came from a database engine also keeps the engine's own code for its
// cause, so that support can tell a full disk from a database held by another program
// while hosts keep testing the store's number.
class DELVARO_EXPORT Error : public std::runtime_error {
 public:
  // The standard description of a runtime error number.
  explicit Error(long number);
  Error(long number, const std::string& description);
  // engineCode: the engine's code for the cause (SQLite's extended result code).
  Error(long number, const std::string& description, long engineCode);

  long Number() const noexcept { return number_; }
  std::string Description() const { return what(); }
  // The engine's code for the cause; kNoEngineCode when the failure is not an engine's.
  long EngineCode() const noexcept { return engineCode_; }

  static std::string StandardDescription(long number);

  static constexpr long kNoEngineCode = 0;

 private:
  long number_;
  long engineCode_ = kNoEngineCode;
};

}  // namespace basis
