#pragma once

#include <string>
#include <string_view>

#include "dba/KeyRange.h"

namespace dba {

// The key condition of a query statement: = 'literal', where a trailing ] asks for keys
// that start with the literal, a leading [ for keys that end with it, both for keys that
// contain it, and neither for the one key equal to it.
struct KeyCondition {
  enum class Kind { kAny, kEquals, kStartsWith, kEndsWith, kContains };

  Kind kind = Kind::kAny;
  std::string text;

  static KeyCondition FromLiteral(std::string_view literal) {
    const bool startsWith = literal.ends_with(']');
    if (startsWith)
      literal.remove_suffix(1);
    const bool endsWith = literal.starts_with('[');
    if (endsWith)
      literal.remove_prefix(1);
    const Kind kind = startsWith && endsWith ? Kind::kContains
                      : startsWith           ? Kind::kStartsWith
                      : endsWith             ? Kind::kEndsWith
                                             : Kind::kEquals;
    return {kind, std::string(literal)};
  }

  // The keys to read: only ends-with and contains need the whole file.
  KeyRange Range() const {
    return kind == Kind::kStartsWith ? KeyRange::StartingWith(text) : KeyRange::All();
  }

  bool Accepts(std::string_view key) const {
    switch (kind) {
      case Kind::kEquals:
        return key == text;
      case Kind::kStartsWith:
        return key.starts_with(text);
      case Kind::kEndsWith:
        return key.ends_with(text);
      case Kind::kContains:
        return key.find(text) != std::string_view::npos;
      case Kind::kAny:
        break;
    }
    return true;
  }
};

}  // namespace dba
