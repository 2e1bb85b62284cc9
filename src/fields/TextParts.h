#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Codes and keys are measured and cut in characters, not bytes: the user may type
// anything into a code box, and a label or key may hold accented letters.
namespace fields {

inline bool StartsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// The number of characters of a UTF-8 text.
inline std::size_t Length(std::string_view text) {
  std::size_t count = 0;
  for (char byte : text)
    count += StartsCharacter(byte) ? 1 : 0;
  return count;
}

// The byte offset of character `position` (from 0), or the text's size past its end.
inline std::size_t OffsetOfCharacter(std::string_view text, std::size_t position) {
  std::size_t offset = 0;
  for (std::size_t seen = 0; offset < text.size(); ++offset) {
    if (StartsCharacter(text[offset]) && seen++ == position)
      return offset;
  }
  return text.size();
}

// The text from its `first`-th character (from 1) to its end.
inline std::string FromCharacter(std::string_view text, std::size_t first) {
  return std::string(text.substr(OffsetOfCharacter(text, first - 1)));
}

// The first `count` characters of the text, all of it when shorter.
inline std::string FirstCharacters(std::string_view text, std::size_t count) {
  return std::string(text.substr(0, OffsetOfCharacter(text, count)));
}

}  // namespace fields
