#include "qt/QtText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qtui {
namespace {

// The first code point that takes three bytes in UTF-8.
constexpr char16_t kThreeBytes = 0x800;

// FoldedText of one character of two bytes in UTF-8 (accented Latin letters, °, «…), as
// UTF-8, or a length of kGeneralWay when it is too long to be kept here. FoldedText
// treats each character on its own: it decomposes, drops the marks and folds the case of
// one character without looking at its neighbours, so a text's fold is the folds of its
// characters laid end to end.
struct CharacterFold {
  char bytes[11];
  std::uint8_t length;
};
constexpr std::uint8_t kGeneralWay = 0xFF;

const std::array<CharacterFold, kThreeBytes - 0x80>& TwoByteFolds() {
  static const std::array<CharacterFold, kThreeBytes - 0x80> folds = [] {
    std::array<CharacterFold, kThreeBytes - 0x80> made{};
    for (char16_t c = 0x80; c < kThreeBytes; ++c) {
      const std::string folded = FoldedText(QString(QChar(c))).toStdString();
      CharacterFold& fold = made[c - 0x80];
      fold.length = folded.size() <= sizeof fold.bytes ? static_cast<std::uint8_t>(folded.size())
                                                       : kGeneralWay;
      if (fold.length != kGeneralWay)
        folded.copy(fold.bytes, folded.size());
    }
    return made;
  }();
  return folds;
}

}  // namespace

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

void AppendFolded(std::string_view text, std::string& folded) {
  const auto& twoByteFolds = TwoByteFolds();
  // Written in place, not pushed byte by byte: folded keeps room for at least the bytes
  // of text still to read, which is enough while no fold is longer than its character.
  std::size_t end = folded.size();
  folded.resize(end + text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      folded[end++] = lead >= 'A' && lead <= 'Z' ? static_cast<char>(lead - 'A' + 'a') : text[i];
      continue;
    }
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
    const bool twoBytes = lead >= 0xC2 && lead <= 0xDF && (next & 0xC0) == 0x80;
    const CharacterFold* fold =
        twoBytes ? &twoByteFolds[(((lead & 0x1Fu) << 6) | (next & 0x3Fu)) - 0x80] : nullptr;
    if (fold == nullptr || fold->length == kGeneralWay) {
      // A longer character, or bytes that are no UTF-8: the rest goes the general way,
      // which reads them as the rest of the product does.
      const std::string_view rest = text.substr(i);
      folded.resize(end);
      folded += FoldedText(QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size())))
                    .toStdString();
      return;
    }
    if (fold->length > 2)
      folded.resize(folded.size() + fold->length - 2);
    std::copy_n(fold->bytes, fold->length, folded.begin() + static_cast<std::ptrdiff_t>(end));
    end += fold->length;
    ++i;
  }
  folded.resize(end);
}

}  // namespace qtui
