#pragma once

#include "basis/Export.h"

#include <functional>
#include <string>

#include "basis/Integer.h"
#include "forms/Widget.h"

namespace forms {

// What a text box and a combo box's text portion share.
//
// Assigning a Text that differs from the current one runs Change before SetText
// returns (handlers nest like calls); assigning the text already held runs nothing.
// Assignments never run Click.
class DELVARO_EXPORT TextWidget : public Widget {
 public:
  using Widget::Widget;

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

  std::function<void()> Change;
  // The key code is passed by reference, as the platform does; a handler that sets
  // it to 0 swallows the key.
  std::function<void(basis::Integer& keyAscii)> KeyPress;
  std::function<void()> LostFocus;

  // The user replaces the whole text with one edit (one Change when it differs).
  void UserEdit(const std::string& text);
  // The user presses a key: KeyPress runs, then the key acts on the text unless it was
  // swallowed: 8 (Backspace) deletes the last character, 13 (Enter) and other control
  // codes change nothing, a printable character is appended.
  void UserKeyPress(basis::Integer keyAscii);
  // The user types the text one character (UTF-8 code point) after another, each a
  // key press as above.
  void UserType(const std::string& text);
  // The focus leaves the widget.
  void UserLeave();

 protected:
  // Whether the user may type into the text; a list-only combo says no.
  virtual bool TakesTypedText() const { return true; }
  // Hook for the combo box, which keeps ListIndex in step with the text.
  virtual void TextAssigned() {}
  // Stores a text without running Change.
  void StoreText(const std::string& text);

 private:
  void ApplyKey(basis::Integer keyAscii, const std::string& character);

  std::string text_;
};

}  // namespace forms
