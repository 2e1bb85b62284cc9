#include "common/NamedInput.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace appsupport {

std::optional<std::string> ReadNamedInput(const std::string& path, std::istream& standardInput) {
  std::ifstream file;
  if (path != "-") {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
      return std::nullopt;
    file.open(path, std::ios::binary);
  }
  std::istream& source = path == "-" ? standardInput : file;
  std::ostringstream text;
  // An empty input is a text too; only a failed read is not.
  if (!source || (source.peek() != std::char_traits<char>::eof() && !(text << source.rdbuf())))
    return std::nullopt;
  return text.str();
}

}  // namespace appsupport
