#pragma once

#include <istream>
#include <optional>
#include <string>

namespace appsupport {

// The whole text of a file named on a command line, "-" naming standardInput. Nothing
// when it cannot be read (missing, a folder, unreadable).
std::optional<std::string> ReadNamedInput(const std::string& path, std::istream& standardInput);

}  // namespace appsupport
