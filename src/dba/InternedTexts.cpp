#include "dba/InternedTexts.h"

#include <bit>
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
    Rehash(slots_.empty() ? 64 : 2 * slots_.size());
  const std::uint64_t hash = HashOf(text);
  const std::size_t slot = SlotFor(text, hash);
  if (slots_[slot].numberPlusOne != 0)
    return slots_[slot].numberPlusOne - 1;
  const auto n = static_cast<std::uint32_t>(Count());
  slots_[slot] = {n + 1, static_cast<std::uint32_t>(hash >> 32)};
  texts_ += text;
  starts_.push_back(texts_.size());
  return n;
}

std::optional<std::uint32_t> InternedTexts::Find(std::string_view text) const {
  if (slots_.empty())
    return std::nullopt;
  const std::size_t slot = SlotFor(text, HashOf(text));
  if (slots_[slot].numberPlusOne == 0)
    return std::nullopt;
  return slots_[slot].numberPlusOne - 1;
}

std::size_t InternedTexts::SlotFor(std::string_view text, std::uint64_t hash) const {
  const auto tag = static_cast<std::uint32_t>(hash >> 32);
  std::size_t slot = SlotOf(hash);
  for (; slots_[slot].numberPlusOne != 0; slot = SlotOf(slot + 1)) {
    if (slots_[slot].tag == tag && Text(slots_[slot].numberPlusOne - 1) == text)
      break;
  }
  return slot;
}

std::string_view InternedTexts::Text(std::uint32_t n) const {
  return std::string_view(texts_).substr(starts_[n], starts_[n + 1] - starts_[n]);
}

void InternedTexts::Clear() {
  texts_.clear();
  starts_.assign(1, 0);
  slots_.clear();
}

void InternedTexts::Reserve(std::size_t texts, std::size_t bytes) {
  texts_.reserve(bytes);
  starts_.reserve(texts + 1);
  if (2 * texts > slots_.size())
    Rehash(std::bit_ceil(2 * texts));
}

void InternedTexts::Rehash(std::size_t slots) {
  slots_.assign(slots, Slot());
  for (std::uint32_t n = 0; n < Count(); ++n) {
    const std::uint64_t hash = HashOf(Text(n));
    std::size_t slot = SlotOf(hash);
    while (slots_[slot].numberPlusOne != 0)
      slot = SlotOf(slot + 1);
    slots_[slot] = {n + 1, static_cast<std::uint32_t>(hash >> 32)};
  }
}

}  // namespace dba
