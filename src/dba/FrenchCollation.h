#pragma once

#include <unicode/coll.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "basis/Export.h"
#include "dba/InternedTexts.h"

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
  const std::string& SortKey(std::string_view utf8) { return KeyOf(TextNumber(utf8)); }

  // The number of a text among those collated since the last ForgetIfMany (0, 1, 2… in the
  // order first met), collating it when new: for a caller that keeps what it derives from
  // many texts by number rather than by text.
  std::uint32_t TextNumber(std::string_view utf8);
  // How many texts have a number.
  std::size_t TextCount() const { return keys_.size(); }
  // The sort key of text number n (below TextCount()), valid until ForgetIfMany.
  const std::string& KeyOf(std::uint32_t n) const { return keys_[n]; }

  // Forgets the kept keys once they are many, so that memory stays bounded; keys and
  // numbers handed out before are no longer valid afterwards. True when it forgot them.
  bool ForgetIfMany();

 private:
  // Appends the sort key of a text to keys.
  void AppendSortKey(std::string_view utf8, std::string& keys) const;

  std::unique_ptr<icu::Collator> collator_;
  InternedTexts texts_;
  // Key n is the key of text number n; a deque, so that a key handed out stays in place
  // while others are added.
  std::deque<std::string> keys_;
};

}  // namespace dba
