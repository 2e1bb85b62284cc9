#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dba {

// The file, key and record text of a JSON line, as RecordJson::Parse gives them, read
// without the JSON library when the line is of the plain kind nearly every line is: one
// object with "file", "key" and "record" once each, texts in UTF-8 without escapes or
// control characters, attributes made of texts and lists of texts (of texts), blanks only
// where JSON allows them. Any other line, malformed or not, gives nullopt, for the
// library to read and to report precisely. Names and keys are not checked here.
class PlainJsonLine {
 public:
  struct Parts {
    std::string file, key, body;
  };

  static std::optional<Parts> Read(std::string_view line);
};

}  // namespace dba
