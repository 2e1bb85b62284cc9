#include "dba/InternedTexts.h"

#include <cstring>

namespace dba {
namespace {

// A hash of short texts that costs a few multiplications: eight bytes at a time, mixed so
// that texts differing in any byte spread over the table.
std::uint64_t HashOf(std::string_view text) {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = text.size() * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, 8);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  std::uint64_t tail = 0;
  if (at < text.size())
    std::memcpy(&tail, text.data() + at, text.size() - at);
  hash = (hash ^ tail) * kMultiplier;
  return hash ^ (hash >> 32);
}

}  // namespace

std::uint32_t InternedTexts::Intern(std::string_view text) {
  if (2 * (Count() + 1) > slots_.size())
    Grow();
  const std::uint64_t hash = HashOf(text);
  const auto tag = static_cast<std::uint32_t>(hash >> 32);
  std::size_t slot = SlotOf(hash);
  for (; slots_[slot].numberPlusOne != 0; slot = SlotOf(slot + 1)) {
    const std::uint32_t n = slots_[slot].numberPlusOne - 1;
    if (slots_[slot].tag == tag && Text(n) == text)
      return n;
  }
  const auto n = static_cast<std::uint32_t>(Count());
  slots_[slot] = {n + 1, tag};
  texts_.Next() += text;
  return n;
}

void InternedTexts::Clear() {
  texts_.Clear();
  slots_.clear();
}

void InternedTexts::Grow() {
  slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), Slot());
  for (std::uint32_t n = 0; n < Count(); ++n) {
    const std::uint64_t hash = HashOf(Text(n));
    std::size_t slot = SlotOf(hash);
    while (slots_[slot].numberPlusOne != 0)
      slot = SlotOf(slot + 1);
    slots_[slot] = {n + 1, static_cast<std::uint32_t>(hash >> 32)};
  }
}

}  // namespace dba
