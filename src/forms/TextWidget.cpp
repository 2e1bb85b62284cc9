#include "forms/TextWidget.h"

#include <cstddef>
#include <string_view>
#include <utility>

namespace forms {
namespace {

constexpr basis::Integer kBackspace = 8;
constexpr basis::Integer kFirstPrintable = 32;
// The key code has 16 signed bits; a character beyond it reaches KeyPress as '?'.
constexpr char32_t kLargestKeyCode = 32767;
constexpr basis::Integer kUnrepresentableKey = '?';
constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsContinuationByte(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

std::string EncodeUtf8(char32_t codePoint) {
  std::string bytes;
  if (codePoint < 0x80) {
    bytes += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    bytes += static_cast<char>(0xC0 | (codePoint >> 6));
    bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    bytes += static_cast<char>(0xE0 | (codePoint >> 12));
    bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (codePoint >> 18));
    bytes += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
  return bytes;
}

// Reads the code point starting at position; a malformed sequence reads as one
// replacement character per byte so that no broken byte ever reaches the text.
char32_t DecodeUtf8(std::string_view text, std::size_t& position) {
  const auto lead = static_cast<unsigned char>(text[position++]);
  if (lead < 0x80) {
    return lead;
  }
  std::size_t length = 0;
  char32_t codePoint = 0;
  char32_t smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 1, codePoint = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 2, codePoint = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 3, codePoint = lead & 0x07, smallest = 0x10000;
  } else {
    return kReplacementCharacter;
  }
  if (position + length > text.size()) {
    return kReplacementCharacter;
  }
  for (std::size_t i = 0; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[position + i]);
    if (!IsContinuationByte(byte)) {
      return kReplacementCharacter;
    }
    codePoint = (codePoint << 6) | (byte & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < smallest || codePoint > 0x10FFFF || surrogate) {
    return kReplacementCharacter;
  }
  position += length;
  return codePoint;
}

std::string WithoutLastCodePoint(const std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && IsContinuationByte(static_cast<unsigned char>(text[end - 1]))) {
    --end;
  }
  // A run of stray continuation bytes goes as one character.
  return text.substr(0, end > 0 ? end - 1 : 0);
}

}  // namespace

void TextWidget::SetText(const std::string& text) {
  if (text == text_) {
    return;
  }
  const std::string previous = std::exchange(text_, text);
  TextAssigned();
  if (text_ == previous) {
    return;  // the widget refused the text
  }
  NotifyChanged();
  Raise(Change);
}

void TextWidget::UserEdit(const std::string& text) {
  if (!TakesTypedText()) {
    return;
  }
  FocusingUserAction([this, &text] { SetText(text); });
}

void TextWidget::UserKeyPress(basis::Integer keyAscii) {
  if (!TakesTypedText()) {
    return;
  }
  const std::string character =
      keyAscii >= kFirstPrintable ? EncodeUtf8(static_cast<char32_t>(keyAscii)) : "";
  FocusingUserAction([&] { ApplyKey(keyAscii, character); });
}

void TextWidget::UserType(const std::string& text) {
  if (!TakesTypedText()) {
    return;
  }
  std::size_t position = 0;
  while (position < text.size()) {
    const char32_t codePoint = DecodeUtf8(text, position);
    const basis::Integer keyAscii =
        codePoint <= kLargestKeyCode ? static_cast<basis::Integer>(codePoint) : kUnrepresentableKey;
    const std::string character = EncodeUtf8(codePoint);
    FocusingUserAction([&] { ApplyKey(keyAscii, character); });
  }
}

void TextWidget::UserLeave() {
  ReleaseFocus();
  UserAction([this] { Raise(LostFocus); });
}

void TextWidget::StoreText(const std::string& text) {
  text_ = text;
}

// The key handler may swallow the key (0) or put another one in its place; the
// character typed is kept only while the key is the one pressed.
void TextWidget::ApplyKey(basis::Integer keyAscii, const std::string& character) {
  basis::Integer key = keyAscii;
  Raise(KeyPress, key);
  if (key == kBackspace) {
    SetText(WithoutLastCodePoint(text_));
  } else if (key >= kFirstPrintable) {
    SetText(text_ + (key == keyAscii ? character : EncodeUtf8(static_cast<char32_t>(key))));
  }
}

}  // namespace forms
