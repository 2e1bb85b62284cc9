#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "dba/DynamicArray.h"
#include "dba/SortedEntries.h"

namespace dba {

class Storage;

// Answers query requests on one store: one attribute per selected record, one value per
// requested column.
//
// The results of the last requests are kept while the store's data version stays the
// same, so that a request sent again with no change in between (the screen sends some
// two or three times for one action of the user) is answered without reading or sorting
// anything. Any write, through this connection or another, makes the next request read
// the store again. When it reads back the very rows a kept result was made of, and the
// result sorts by its own columns, that result is given again without sorting; otherwise
// what it reads is sorted by the sort keys kept from before, and in the order kept from
// before when its sort texts are still the same. One thread at a time.
class QueryEngine {
 public:
  explicit QueryEngine(Storage& storage) : storage_(storage) {}

  // A result of its own for the caller: changing it changes nothing kept here.
  std::shared_ptr<DynamicArray> Execute(const std::string& request);
  // The text of the result Execute would give (Execute(request)->Text()), kept nowhere:
  // for a caller that only writes the result out once. Raises what Execute raises.
  std::string ExecuteText(const std::string& request);

 private:
  Storage& storage_;
  SortedEntries sorted_;
  struct KeptResult {
    DynamicArray rows;
    // Row r of the selection, in key order, is row placeOfRow[r] of the result.
    std::vector<std::uint32_t> placeOfRow;
    // The data version the result was last read at.
    std::uint64_t version = 0;
  };

  std::unordered_map<std::string, KeptResult> kept_;
};

}  // namespace dba
