#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dba/TextsEndToEnd.h"

namespace dba {

// Distinct texts numbered 0, 1, 2… in the order they are first met, found again by their
// text. The texts lie end to end in one buffer and the table is open addressing over
// numbers, so a long run of lookups allocates nothing but the growth of a few vectors.
// One thread at a time.
class InternedTexts {
 public:
  // The number of text; a text not met before gets the next number, Count() - 1 after the
  // call.
  std::uint32_t Intern(std::string_view text);
  std::size_t Count() const { return texts_.Count(); }
  // Text number n (below Count()), valid until the next Intern or Clear.
  std::string_view Text(std::uint32_t n) const { return texts_[n]; }
  // Forgets every text: numbers start again from 0.
  void Clear();

 private:
  // A text's number plus one (0 for a free slot), and bits of its hash that tell most
  // other texts apart without reading them: a lookup reads one slot and, once found, the
  // text.
  struct Slot {
    std::uint32_t numberPlusOne = 0;
    std::uint32_t tag = 0;
  };

  void Grow();
  std::size_t SlotOf(std::uint64_t hash) const { return hash & (slots_.size() - 1); }

  TextsEndToEnd texts_;
  // The size is a power of two, at least twice the number of texts.
  std::vector<Slot> slots_;
};

}  // namespace dba
