#include "qt/LabelCompletion.h"

#include <QLocale>
#include <algorithm>

#include "qt/QtText.h"

namespace qtui {

LabelCompletion::LabelCompletion() : collator_(QLocale(QLocale::French, QLocale::France)) {}

std::vector<int> LabelCompletion::Complete(const QStringList& entries, const QString& typed) const {
  std::vector<int> found;
  const QString prefix = FoldedText(typed);
  if (prefix.isEmpty())
    return found;
  for (int i = 0; i < entries.size(); ++i) {
    if (FoldedText(entries[i]).startsWith(prefix))
      found.push_back(i);
  }
  std::stable_sort(found.begin(), found.end(),
                   [&](int a, int b) { return collator_.compare(entries[a], entries[b]) < 0; });
  return found;
}

}  // namespace qtui
