#pragma once

#include "basis/Export.h"

#include <cstddef>
#include <string_view>

namespace dba {

// How deeply a JSON text nests, found by a scan that neither recurses nor allocates, so
// that a text nested beyond what any record needs is refused before a parser, a copy or
// a dump walks it recursively.
class DELVARO_EXPORT JsonDepth {
 public:
  // Deeper than any record line ({} around [attributes [values [subvalues]]]) needs, by far.
  static constexpr std::size_t kLimit = 64;

  // The deepest nesting of arrays and objects in the first JSON value of text; brackets
  // inside strings do not count and the scan stops where that value closes. Malformed
  // text gives a number all the same, for the parser to report.
  static std::size_t Of(std::string_view text);
};

}  // namespace dba
