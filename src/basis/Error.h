#pragma once

#include "basis/Export.h"

#include <stdexcept>
#include <string>

#include "basis/ErrorNumber.h"

namespace basis {

// A failure raised to the caller: a number and a description, as the host sees it.
class DELVARO_EXPORT Error : public std::runtime_error {
 public:
  // The standard description of a runtime error number.
  explicit Error(long number);
  Error(long number, const std::string& description);

  long Number() const noexcept { return number_; }
  std::string Description() const { return what(); }

  static std::string StandardDescription(long number);

 private:
  long number_;
};

}  // namespace basis
