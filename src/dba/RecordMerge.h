#pragma once

#include <string>
#include <string_view>

namespace dba {

// The three-way merge of a record, attribute by attribute: base is the text both sides
// started from, mine this writer's, theirs what another writer stored meanwhile.
class RecordMerge {
 public:
  struct Outcome {
    std::string text;
    // The first attribute that both sides changed, to different texts; 0 when none did.
    long clashingAttribute = 0;
  };

  static Outcome Merge(std::string_view base, std::string_view mine, std::string_view theirs);
};

}  // namespace dba
