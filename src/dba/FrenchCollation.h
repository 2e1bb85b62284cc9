#pragma once

#include <unicode/coll.h>

#include <memory>
#include <string>
#include <string_view>

namespace dba {

// French collation of UTF-8 texts: accents sort with their letter (É with E, not after
// Z). The collator is built once and reused; sorting goes through sort keys so each
// text is collated once, however many comparisons follow.
class FrenchCollation {
 public:
  FrenchCollation();

  // Bytes that compare, bytewise, as the texts compare in French.
  std::string SortKey(std::string_view utf8) const;

 private:
  std::unique_ptr<icu::Collator> collator_;
};

}  // namespace dba
