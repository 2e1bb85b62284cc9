#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "forms/ItemList.h"

namespace qtui {

inline QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}

// A caption shown on a button, a tab or a label with a buddy, where '&' would otherwise
// mark a shortcut. A mnemonic letter, when given, is underlined at its first occurrence.
QString CaptionText(const std::string& caption, QChar mnemonic = QChar());

// The text as a search compares it, so that "etienne" finds "ÉTIENNE" and "eco" finds
// "Écoles": decomposed, without its accents, case folded. Letters without a
// decomposition (œ, ß) are only case folded.
QString FoldedText(const QString& text);

// Appends to folded the UTF-8 of FoldedText(text) for a UTF-8 text, without going
// through a QString for the characters French texts use: a list folding a hundred
// thousand rows pays for its letters, not for conversions. Any thread.
void AppendFolded(std::string_view text, std::string& folded);

// Whether the Qt entries already read as the model's: count entries, textAt(i) their text.
template <class TextAt>
bool EntriesMatch(const forms::ItemList& model, int count, TextAt textAt) {
  if (count != model.ListCount())
    return false;
  for (int i = 0; i < count; ++i)
    if (textAt(i) != ToQString(model.List(i)))
      return false;
  return true;
}

}  // namespace qtui
