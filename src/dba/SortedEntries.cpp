#include "dba/SortedEntries.h"

#include <algorithm>
#include <numeric>

namespace dba {
namespace {

// Enough for the screen's lists and a tool's few requests; beyond, they are all forgotten.
constexpr std::size_t kMostRequestsKept = 64;
// A list on screen has far fewer distinct labels; the order of a longer selection is not
// kept, so that what is kept stays within a few megabytes.
constexpr std::size_t kMostEntriesKept = 1 << 16;

// The bytes of key from at, eight of them as one number, zeros after its end.
std::uint64_t EightBytes(std::string_view key, std::size_t at) {
  std::uint64_t bytes = 0;
  for (std::size_t i = at; i < at + 8; ++i)
    bytes = bytes << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  return bytes;
}

// An entry's place among the others: its key's first sixteen bytes, as two numbers (zeros
// after the key's end), decide most comparisons without following a pointer. Heads that
// differ order as the keys do bytewise; equal heads leave it to the whole keys.
struct RankedKey {
  RankedKey() = default;
  RankedKey(std::string_view key, std::uint32_t entry)
      : head(EightBytes(key, 0)), next(EightBytes(key, 8)), key(key), entry(entry) {}

  bool operator<(const RankedKey& other) const {
    if (head != other.head)
      return head < other.head;
    if (next != other.next)
      return next < other.next;
    return key < other.key;
  }
  bool operator==(const RankedKey& other) const {
    return head == other.head && next == other.next && key == other.key;
  }

  std::uint64_t head = 0;
  std::uint64_t next = 0;
  std::string_view key;
  std::uint32_t entry = 0;
};

}  // namespace

void SortedEntries::Start() {
  if (collation_.ForgetIfMany()) {
    kept_.clear();
    lastMet_.clear();
  }
  if (++selection_ == 0) {
    std::fill(lastMet_.begin(), lastMet_.end(), LastMet());
    selection_ = 1;
  }
  entryTexts_.clear();
  joined_ = false;
  joinedKeys_.Clear();
}

std::uint32_t SortedEntries::EntryOfText(std::string_view utf8) {
  const std::uint32_t text = collation_.TextNumber(utf8);
  if (text >= lastMet_.size())
    lastMet_.resize(collation_.TextCount());
  LastMet& met = lastMet_[text];
  if (met.selection != selection_) {
    met = {selection_, static_cast<std::uint32_t>(entryTexts_.size())};
    entryTexts_.push_back(text);
  }
  return met.entry;
}

std::uint32_t SortedEntries::EntryOfTexts(std::span<const std::string_view> utf8) {
  joined_ = true;
  joining_.clear();
  for (std::string_view text : utf8)
    joining_ += collation_.KeyOf(collation_.TextNumber(text));
  return joinedKeys_.Intern(joining_);
}

std::string_view SortedEntries::KeyOfEntry(std::uint32_t entry) const {
  return joined_ ? joinedKeys_.Text(entry) : std::string_view(collation_.KeyOf(entryTexts_[entry]));
}

std::vector<std::uint32_t> SortedEntries::Ranks(const std::string& request) {
  if (joined_)
    return RanksByComparing();
  auto found = kept_.find(request);
  if (found != kept_.end() && found->second.texts == entryTexts_)
    return found->second.ranks;
  std::vector<std::uint32_t> ranks = RanksByComparing();
  if (entryTexts_.size() > kMostEntriesKept) {
    if (found != kept_.end())
      kept_.erase(found);
    return ranks;
  }
  if (found == kept_.end()) {
    if (kept_.size() >= kMostRequestsKept)
      kept_.clear();
    found = kept_.try_emplace(request).first;
  }
  found->second = {entryTexts_, ranks};
  return ranks;
}

std::vector<std::uint32_t> SortedEntries::RanksByComparing() const {
  const std::size_t count = joined_ ? joinedKeys_.Count() : entryTexts_.size();
  std::vector<RankedKey> byKey(count);
  for (std::uint32_t entry = 0; entry < count; ++entry)
    byKey[entry] = RankedKey(KeyOfEntry(entry), entry);
  std::sort(byKey.begin(), byKey.end());
  // Different texts may share a key (texts French collation holds equal): they take one
  // rank.
  std::vector<std::uint32_t> ranks(count);
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && !(byKey[i] == byKey[i - 1]))
      ++rank;
    ranks[byKey[i].entry] = rank;
  }
  return ranks;
}

std::vector<std::uint32_t> SortedEntries::RowsInRankOrder(
    const std::vector<std::uint32_t>& entryOfRow, const std::vector<std::uint32_t>& ranks) {
  std::vector<std::uint32_t> start(ranks.size() + 1, 0);
  for (std::uint32_t entry : entryOfRow)
    ++start[ranks[entry] + 1];
  std::partial_sum(start.begin(), start.end(), start.begin());
  std::vector<std::uint32_t> order(entryOfRow.size());
  for (std::uint32_t row = 0; row < entryOfRow.size(); ++row)
    order[start[ranks[entryOfRow[row]]]++] = row;
  return order;
}

}  // namespace dba
