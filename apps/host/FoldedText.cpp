#include "host/FoldedText.h"

namespace host {

QString FoldedText(const QString& text) {
  QString folded;
  folded.reserve(text.size());
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      folded.append(c.toLower());
      continue;
    }
    // A canonical decomposition starts with its base letter: É is E and an acute accent.
    const QString parts = c.decompositionTag() == QChar::Canonical ? c.decomposition() : QString();
    const QChar base = parts.isEmpty() ? c : parts.front();
    if (base.category() != QChar::Mark_NonSpacing)
      folded.append(QString(base).toCaseFolded());
  }
  return folded;
}

}  // namespace host
