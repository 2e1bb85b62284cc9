#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace rights {

// The levels the rights file grants. Only kMayModify lets the user change a screen's
// data; the control treats every other level as consultation.
inline constexpr std::int32_t kNoAccess = 0;
inline constexpr std::int32_t kMayModify = 2;

// The level a text names: exactly "0", "1" or "2", nothing around it; nullopt for any
// other text, so that a damaged or mistyped level is never read as a right.
inline std::optional<std::int32_t> ParseAccessLevel(std::string_view text) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '0' + kMayModify)
    return std::nullopt;
  return text[0] - '0';
}

}  // namespace rights
