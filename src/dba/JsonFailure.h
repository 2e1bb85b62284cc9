#pragma once

#include "basis/Export.h"

#include <cstddef>
#include <exception>
#include <string>

namespace dba {

// What went wrong with a JSON text, in French first: "JSON malformé à la colonne 12",
// "nombre trop grand", "texte qui n'est pas en UTF-8"; the library's own words follow at
// the end, for support.
class DELVARO_EXPORT JsonFailure {
 public:
  // error: what the JSON library raised while parsing or writing. firstColumn: the
  // column (from 1) of the line where the parsed text began.
  static std::string Describe(const std::exception& error, std::size_t firstColumn = 1);

  // The sentence for a text nested deeper than JsonDepth::kLimit.
  static std::string TooDeep();
};

}  // namespace dba
