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

}  // namespace qtui
