#pragma once

#include "basis/Export.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dba/DynamicArray.h"
#include "rights/ScreenGrant.h"

namespace rights {

// One record of the rights file: the screen keys in attribute 1 and their levels in
// attribute 2, value by value. The entries are kept as stored, so that changing one
// screen writes the others back exactly as they were, damaged levels included: a
// damage stays visible until someone mends it.
class DELVARO_EXPORT RightsRecord {
 public:
  RightsRecord() = default;
  explicit RightsRecord(const dba::DynamicArray& record);

  // Each screen once, in the record's order, with the level it grants. A damaged entry
  // grants the lowest level that can be read for its screen, never more: a level other
  // than 0, 1 or 2, or a screen without a level, grants 0; a screen named twice gets the
  // lowest of its levels. Each damage adds one French sentence to problems.
  std::vector<ScreenGrant> Grants(std::vector<std::string>& problems) const;

  // Gives screen the level: its first entry takes it, any later entry of the same screen
  // goes, a screen not named yet is added at the end. A screen that is empty or holds a
  // mark of the record store raises an invalid call (5).
  void Set(const std::string& screen, std::int32_t level);
  // Removes every entry of screen; false when it had none.
  bool Remove(const std::string& screen);

  // Writes the entries into attributes 1 and 2 of record, keeping its other attributes.
  // Levels that had no screen are dropped: they granted nothing.
  void WriteTo(dba::DynamicArray& record) const;

 private:
  struct Entry {
    std::string screen;
    std::string level;  // as stored
  };

  std::vector<Entry> entries_;
  std::size_t levelsWithoutScreen_ = 0;
};

}  // namespace rights
