#include "host/AidantOrder.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace host {
namespace {

// A name's place among the others: its key's first sixteen bytes, as two numbers, decide
// most comparisons; the rest of the key is compared only between equal heads (a key ends
// at its only zero byte, so one that ends within its head equals any with that head).
struct Ranked {
  std::uint64_t head;
  std::uint64_t next;
  const char* rest;
  std::uint32_t restLength;
  std::uint32_t number;

  std::string_view Rest() const { return std::string_view(rest, restLength); }
  bool operator<(const Ranked& other) const {
    if (head != other.head)
      return head < other.head;
    if (next != other.next)
      return next < other.next;
    return Rest() < other.Rest();
  }
  bool operator==(const Ranked& other) const {
    return head == other.head && next == other.next && Rest() == other.Rest();
  }
};

// The bytes of key from at, eight of them as one number, zeros after its end.
std::uint64_t EightBytes(std::string_view key, std::size_t at) {
  std::uint64_t bytes = 0;
  for (std::size_t i = at; i < at + 8; ++i)
    bytes = bytes << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  return bytes;
}

Ranked RankedOf(std::string_view key, std::uint32_t number) {
  const std::string_view rest = key.substr(std::min<std::size_t>(key.size(), 16));
  return {EightBytes(key, 0), EightBytes(key, 8), rest.data(),
          static_cast<std::uint32_t>(rest.size()), number};
}

// The rank of each name in French order; names whose keys are equal share one.
std::vector<std::uint32_t> RanksOf(const NameKeys& names) {
  std::vector<Ranked> ranked(names.Count());
  for (std::uint32_t number = 0; number < ranked.size(); ++number)
    ranked[number] = RankedOf(names.Key(number), number);
  std::sort(ranked.begin(), ranked.end());
  std::vector<std::uint32_t> ranks(ranked.size());
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < ranked.size(); ++i) {
    if (i > 0 && !(ranked[i] == ranked[i - 1]))
      ++rank;
    ranks[ranked[i].number] = rank;
  }
  return ranks;
}

}  // namespace

std::vector<std::uint32_t> AidantOrder::NumberNames(const AidantTable& table,
                                                    std::vector<std::uint32_t>& metAs) {
  NameKeys names;
  names.Reserve(table.Size(), table.Size() * 24);
  std::vector<std::uint32_t> nameOf(table.Size());
  std::string name;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    name.assign(table.Nom(row)).append(1, ' ').append(table.Prenom(row));
    nameOf[row] = names.Number(name, [&](std::string& keys) {
      const std::optional<std::uint32_t> met = kept_.Find(name);
      if (met)
        keys.append(kept_.Key(*met));
      else
        french_.AppendSortKey(name, keys);
      metAs.push_back(met.value_or(kNotMet));
    });
  }
  // Only this ordering's names are kept: memory follows the list, not its history.
  kept_ = std::move(names);
  return nameOf;
}

void AidantOrder::RankNames(const std::vector<std::uint32_t>& metAs) {
  if (!ranks_.empty() && std::find(metAs.begin(), metAs.end(), kNotMet) == metAs.end()) {
    // Every name was there last time: the ranks they had still order them.
    std::vector<std::uint32_t> ranks(metAs.size());
    for (std::size_t number = 0; number < metAs.size(); ++number)
      ranks[number] = ranks_[metAs[number]];
    ranks_ = std::move(ranks);
    return;
  }
  ranks_ = RanksOf(kept_);
  rankBound_ = static_cast<std::uint32_t>(ranks_.size());
}

std::vector<std::uint32_t> AidantOrder::Order(const AidantTable& table) {
  std::vector<std::uint32_t> metAs;
  const std::vector<std::uint32_t> nameOf = NumberNames(table, metAs);
  RankNames(metAs);
  const std::vector<std::uint32_t>& ranks = ranks_;
  // The rows placed by their name's rank, one pass; then the few rows that share a name
  // ordered by code.
  std::vector<std::uint32_t> ends(rankBound_ + 1, 0);
  for (const std::uint32_t number : nameOf)
    ++ends[ranks[number] + 1];
  for (std::size_t rank = 1; rank < ends.size(); ++rank)
    ends[rank] += ends[rank - 1];
  std::vector<std::uint32_t> order(table.Size());
  for (std::uint32_t row = 0; row < nameOf.size(); ++row)
    order[ends[ranks[nameOf[row]]]++] = row;
  std::uint32_t begin = 0;
  for (std::size_t rank = 0; rank + 1 < ends.size() && begin < order.size(); ++rank) {
    const std::uint32_t end = ends[rank];
    if (end - begin > 1)
      std::sort(
          order.begin() + begin, order.begin() + end,
          [&table](std::uint32_t a, std::uint32_t b) { return table.Code(a) < table.Code(b); });
    begin = end;
  }
  return order;
}

}  // namespace host
