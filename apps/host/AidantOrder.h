#pragma once

#include <cstdint>
#include <vector>

#include "dba/FrenchCollation.h"
#include "host/AidantTable.h"
#include "host/NameKeys.h"

namespace host {

// The order of the host's list: surname and first name collated as one French text
// (letters decide first over both, accents and case only between names otherwise the
// same; É with E), then code, bytewise. Each distinct name is collated once, and the
// keys of one ordering serve the next, so that the list read again after a save
// elsewhere collates only the names it had not met. UI thread only (one at a time).
class AidantOrder {
 public:
  // The indexes of the table's rows in that order.
  std::vector<std::uint32_t> Order(const AidantTable& table);

 private:
  static constexpr std::uint32_t kNotMet = UINT32_MAX;

  // Numbers the table's names, collating those the last ordering did not meet; gives
  // each row its name's number, and appends to metAs each name's number in the last
  // ordering (kNotMet for a name it did not meet).
  std::vector<std::uint32_t> NumberNames(const AidantTable& table,
                                         std::vector<std::uint32_t>& metAs);
  // Ranks kept_'s names; metAs as NumberNames gave it.
  void RankNames(const std::vector<std::uint32_t>& metAs);

  dba::FrenchCollation french_;
  NameKeys kept_;  // the names of the last ordering, numbered as its rows give them
  // The rank of each of kept_'s names in French order, equal keys sharing one; every
  // rank is below rankBound_.
  std::vector<std::uint32_t> ranks_;
  std::uint32_t rankBound_ = 0;
};

}  // namespace host
