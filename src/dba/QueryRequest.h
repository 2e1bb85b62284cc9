#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dba/KeyCondition.h"

namespace dba {

// A query request, parsed from the text of its array: attribute 1 the statement
// (SELECT or SSELECT, the file, an optional key condition, then PAR n clauses), 2 the
// file, 3 the column list. Anything else raises kQuerySyntax naming what is wrong.
struct QueryRequest {
  std::string file;
  KeyCondition condition;
  // The attributes to sort by, most significant first; empty for key order.
  std::vector<long> sortAttributes;
  // Attribute numbers, 0 for the key.
  std::vector<long> columns;

  static QueryRequest Parse(std::string_view request);
};

}  // namespace dba
