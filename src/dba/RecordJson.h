#pragma once

#include "basis/Export.h"

#include <string>
#include <string_view>

namespace dba {

// A record as one JSON line: {"file": "SECTEUR", "key": "001", "record": [...]}, where
// record holds attributes 1, 2, ... in order, each a string when it has at most one
// value, otherwise an array of values, each a string or an array of subvalues.
// Formatting a parsed line gives back the same bytes.
class DELVARO_EXPORT RecordJson {
 public:
  struct Line {
    std::string file;
    std::string key;
    std::string body;  // the record's text form, as DynamicArray::Text gives it
  };

  // The line without its end of line. A text that is not UTF-8 cannot be written as
  // JSON: an invalid call (5) naming the record.
  static std::string Format(const std::string& file, const std::string& key, std::string_view text);

  // Malformed JSON (a number out of range, text that is not UTF-8, nesting deeper than
  // JsonDepth::kLimit) or a wrong shape: an invalid call (5) whose message names the line
  // and says in French what is wrong. No other exception escapes.
  static Line Parse(std::string_view line, long lineNumber);
};

}  // namespace dba
