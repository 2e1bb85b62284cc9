#pragma once

#include <string_view>
#include <vector>

#include "replay/ScriptCommand.h"

namespace scenario {

// Reads a whole script before anything runs, so that a typo on a late line stops the
// script before it has written anything. A malformed line or an unknown command
// raises ScriptError with its line number (from 1).
std::vector<ScriptCommand> ParseScript(std::string_view text);

}  // namespace scenario
