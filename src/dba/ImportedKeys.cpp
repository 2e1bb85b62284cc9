#include "dba/ImportedKeys.h"

#include <algorithm>
#include <functional>

#include "dba/Marks.h"

namespace dba {

std::uint64_t ImportedKeys::Fingerprint(std::string_view file, std::string_view key) {
  // A mark never occurs in a file name or a key: file and key cannot run into each other.
  scratch_.assign(file);
  scratch_ += kAttributeMark;
  scratch_ += key;
  return std::hash<std::string_view>()(scratch_);
}

bool ImportedKeys::Matches(std::string_view file, std::string_view key, std::uint64_t fingerprint) {
  return Fingerprint(file, key) == fingerprint;
}

void ImportedKeys::Add(std::string_view file, std::string_view key, long line) {
  const std::uint64_t fingerprint = Fingerprint(file, key);
  entries_.push_back({static_cast<std::uint32_t>(fingerprint >> 32),
                      static_cast<std::uint32_t>(fingerprint), static_cast<std::uint32_t>(line)});
}

std::optional<ImportedKeys::Repeat> ImportedKeys::FirstRepeat() {
  std::sort(entries_.begin(), entries_.end(), [](const Entry& left, const Entry& right) {
    return left.Fingerprint() != right.Fingerprint() ? left.Fingerprint() < right.Fingerprint()
                                                     : left.line < right.line;
  });
  std::optional<Repeat> first;
  for (std::size_t i = 1; i < entries_.size(); ++i) {
    const Entry& earlier = entries_[i - 1];
    const Entry& entry = entries_[i];
    // Within a record's run the first entry is its first line and the next its first repeat.
    const bool startsRun = i == 1 || entries_[i - 2].Fingerprint() != earlier.Fingerprint();
    if (entry.Fingerprint() == earlier.Fingerprint() && startsRun &&
        (!first || entry.line < first->line))
      first = Repeat{entry.line, earlier.line, entry.Fingerprint()};
  }
  return first;
}

}  // namespace dba
