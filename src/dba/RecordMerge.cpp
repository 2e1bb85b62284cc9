#include "dba/RecordMerge.h"

#include <algorithm>

#include "dba/DynamicArray.h"

namespace dba {

RecordMerge::Outcome RecordMerge::Merge(std::string_view base, std::string_view mine,
                                        std::string_view theirs) {
  const DynamicArray baseRecord(base), myRecord(mine), theirRecord(theirs);
  const long attributes = std::max({baseRecord.DCount(), myRecord.DCount(), theirRecord.DCount()});
  DynamicArray merged;
  for (long a = 1; a <= attributes; ++a) {
    const std::string was = baseRecord.Extract(a).Text();
    const std::string ours = myRecord.Extract(a).Text();
    const std::string others = theirRecord.Extract(a).Text();
    if (ours != was && others != was && ours != others)
      return {std::string(), a};
    merged.Replace(a, ours != was ? ours : others);
  }
  return {merged.Text(), 0};
}

}  // namespace dba
