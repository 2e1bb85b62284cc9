#include "qt/LabelCompletion.h"

#include <QLocale>
#include <algorithm>

namespace qtui {

LabelCompletion::LabelCompletion() : collator_(QLocale(QLocale::French, QLocale::France)) {}

QString LabelCompletion::Folded(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_D);
  QString bare;
  bare.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (c.category() != QChar::Mark_NonSpacing)
      bare.append(c);
  }
  return bare.toCaseFolded();
}

std::vector<int> LabelCompletion::Complete(const QStringList& entries, const QString& typed) const {
  std::vector<int> found;
  const QString prefix = Folded(typed);
  if (prefix.isEmpty())
    return found;
  for (int i = 0; i < entries.size(); ++i) {
    if (Folded(entries[i]).startsWith(prefix))
      found.push_back(i);
  }
  std::stable_sort(found.begin(), found.end(),
                   [&](int a, int b) { return collator_.compare(entries[a], entries[b]) < 0; });
  return found;
}

}  // namespace qtui
