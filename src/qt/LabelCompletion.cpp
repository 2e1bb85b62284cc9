#include "qt/LabelCompletion.h"

#include <algorithm>
#include <string>
#include <utility>

#include "qt/QtText.h"

namespace qtui {

std::vector<int> LabelCompletion::Complete(const QStringList& entries, const QString& typed) {
  const QString prefix = FoldedText(typed);
  if (prefix.isEmpty())
    return {};
  if (entries != entries_) {
    entries_ = entries;
    folded_.clear();
    folded_.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString& entry : entries)
      folded_.push_back(FoldedText(entry));
  }
  std::vector<std::pair<std::string, int>> keyed;
  for (int i = 0; i < entries.size(); ++i) {
    if (folded_[static_cast<std::size_t>(i)].startsWith(prefix))
      keyed.emplace_back(french_.SortKey(entries[i].toStdString()), i);
  }
  french_.ForgetIfMany();
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> found;
  found.reserve(keyed.size());
  for (const auto& entry : keyed)
    found.push_back(entry.second);
  return found;
}

}  // namespace qtui
