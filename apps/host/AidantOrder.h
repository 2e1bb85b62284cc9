#pragma once

#include <cstdint>
#include <vector>

#include "dba/SortedEntries.h"
#include "host/AidantTable.h"

namespace host {

// The order of the host's list: surname and first name collated as one French text
// (letters decide first over both, accents and case only between names otherwise the
// same; É with E), then code, bytewise. Each distinct name is collated once and its key
// kept for the next ordering, as the store's sorted queries keep theirs: the list read
// again after a save elsewhere collates only the names it had not met. UI thread only
// (one at a time).
class AidantOrder {
 public:
  // The indexes of the table's rows in that order.
  std::vector<std::uint32_t> Order(const AidantTable& table);

 private:
  dba::SortedEntries names_;
};

}  // namespace host
