#include "dba/InternedTexts.h"

#include <functional>

namespace dba {

std::uint32_t InternedTexts::Intern(std::string_view text) {
  if (2 * (Count() + 1) > slots_.size())
    Grow();
  const std::size_t hash = std::hash<std::string_view>()(text);
  std::size_t slot = SlotOf(hash);
  for (; slots_[slot] != 0; slot = SlotOf(slot + 1)) {
    const std::uint32_t n = slots_[slot] - 1;
    if (hashes_[n] == hash && Text(n) == text)
      return n;
  }
  const auto n = static_cast<std::uint32_t>(Count());
  slots_[slot] = n + 1;
  hashes_.push_back(hash);
  texts_ += text;
  starts_.push_back(texts_.size());
  return n;
}

std::string_view InternedTexts::Text(std::uint32_t n) const {
  return std::string_view(texts_).substr(starts_[n], starts_[n + 1] - starts_[n]);
}

void InternedTexts::Clear() {
  texts_.clear();
  starts_.assign(1, 0);
  hashes_.clear();
  slots_.clear();
}

void InternedTexts::Grow() {
  slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), 0);
  for (std::uint32_t n = 0; n < Count(); ++n) {
    std::size_t slot = SlotOf(hashes_[n]);
    while (slots_[slot] != 0)
      slot = SlotOf(slot + 1);
    slots_[slot] = n + 1;
  }
}

}  // namespace dba
