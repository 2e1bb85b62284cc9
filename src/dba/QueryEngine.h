#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

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
// the store again; what it then reads is sorted by the sort keys kept from before, and in
// the order kept from before when its sort texts are still the same. One thread at a time.
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
  std::optional<std::uint64_t> keptVersion_;
  std::unordered_map<std::string, DynamicArray> kept_;
};

}  // namespace dba
