#pragma once

#include <string_view>

namespace dba {

// Walks the text form of a dynamic array without building one, for the places that read
// a single field out of many records.
class MarkedText {
 public:
  // Calls visit with each field of text separated by mark; an empty text is one empty field.
  template <class Visit>
  static void ForEachField(std::string_view text, char mark, Visit&& visit) {
    for (;;) {
      const auto end = text.find(mark);
      visit(text.substr(0, end));
      if (end == std::string_view::npos)
        return;
      text.remove_prefix(end + 1);
    }
  }

  // Field n (from 1) of text, or "" past the end.
  static std::string_view Field(std::string_view text, char mark, long n) {
    for (long i = 1; i < n; ++i) {
      const auto end = text.find(mark);
      if (end == std::string_view::npos)
        return {};
      text.remove_prefix(end + 1);
    }
    return n < 1 ? std::string_view() : text.substr(0, text.find(mark));
  }
};

}  // namespace dba
