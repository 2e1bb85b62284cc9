#include "qt/QtText.h"

namespace qtui {

QString CaptionText(const std::string& caption, QChar mnemonic) {
  QString text = ToQString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
  if (mnemonic.isNull())
    return text;
  const qsizetype at = text.indexOf(mnemonic);
  if (at >= 0)
    text.insert(at, QLatin1Char('&'));
  return text;
}

QString FoldedText(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_D);
  QString bare;
  bare.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (c.category() != QChar::Mark_NonSpacing)
      bare.append(c);
  }
  return bare.toCaseFolded();
}

}  // namespace qtui
