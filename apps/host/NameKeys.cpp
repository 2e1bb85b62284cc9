#include "host/NameKeys.h"

#include <bit>
#include <functional>

namespace host {
namespace {

// At most half the slots are taken, so that a search meets a free slot soon.
std::size_t SlotsFor(std::size_t names) {
  return std::bit_ceil(std::max<std::size_t>(16, names * 2));
}

std::uint32_t TagOf(std::size_t hash) {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
}

}  // namespace

NameKeys::NameKeys(std::size_t expected) : slots_(SlotsFor(expected)) {
  names_.reserve(expected);
  texts_.reserve(expected * 48);
}

std::size_t NameKeys::HashOf(std::string_view name) {
  return std::hash<std::string_view>()(name);
}

std::int64_t NameKeys::Find(std::string_view name, std::size_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint32_t tag = TagOf(hash);
  for (std::size_t slot = hash & mask; slots_[slot].number != 0; slot = (slot + 1) & mask) {
    if (slots_[slot].tag != tag)
      continue;
    const std::uint32_t number = slots_[slot].number - 1;
    const Name& kept = names_[number];
    if (kept.hash == hash && std::string_view(texts_).substr(kept.at, kept.nameLength) == name)
      return number;
  }
  return -1;
}

std::uint32_t NameKeys::Keep(const Name& name) {
  if ((names_.size() + 1) * 2 > slots_.size())
    Grow();
  names_.push_back(name);
  slots_[FreeSlot(name.hash)] = {static_cast<std::uint32_t>(names_.size()), TagOf(name.hash)};
  return static_cast<std::uint32_t>(names_.size() - 1);
}

void NameKeys::Grow() {
  slots_.assign(slots_.size() * 2, Slot{0, 0});
  for (std::size_t number = 0; number < names_.size(); ++number)
    slots_[FreeSlot(names_[number].hash)] = {static_cast<std::uint32_t>(number + 1),
                                             TagOf(names_[number].hash)};
}

std::size_t NameKeys::FreeSlot(std::size_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  while (slots_[slot].number != 0)
    slot = (slot + 1) & mask;
  return slot;
}

}  // namespace host
