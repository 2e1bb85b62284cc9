#pragma once

#include <string_view>

#include "basis/Export.h"

namespace basis {

// The text without its leading and trailing blanks (spaces), as the language's Trim.
DELVARO_EXPORT std::string_view Trim(std::string_view text);

}  // namespace basis
