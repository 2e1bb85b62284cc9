#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// The parts of text between marks, empty ones included: n marks give n + 1 parts.
inline std::vector<std::string> Split(std::string_view text, char mark) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == mark) {
      parts.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

}  // namespace fuzz
