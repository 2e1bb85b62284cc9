#pragma once

#include <unicode/coll.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "basis/Export.h"

namespace dba {

// French collation of UTF-8 texts: accents sort with their letter (É with E, not after
// Z). The collator is built once and reused; sorting goes through sort keys so each
// text is collated once, however many comparisons follow, and the keys of texts met
// before are kept: a text's key never changes, so a list sorted again after its data
// changed collates only its new texts. One thread at a time.
class DELVARO_EXPORT FrenchCollation {
 public:
  FrenchCollation();

  // Bytes that compare, bytewise, as the texts compare in French; they end with one zero
  // byte and hold no other, so the keys of several texts laid end to end compare as the
  // texts compare one after the other. The reference stays valid until ForgetIfMany.
  const std::string& SortKey(std::string_view utf8);

  // Appends the sort key of a text to keys, as SortKey gives it, without keeping it: for
  // a long list of texts met once, where collating costs less than looking a key up.
  void AppendSortKey(std::string_view utf8, std::string& keys) const;

  // Forgets the kept keys once they are many, so that memory stays bounded; keys handed
  // out before are no longer valid afterwards.
  void ForgetIfMany();

 private:
  // Finds a kept key by a view of its text, without copying the text.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>()(text);
    }
  };

  std::unique_ptr<icu::Collator> collator_;
  std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> keys_;
};

}  // namespace dba
