#include "forms/ComboBox.h"

#include <utility>

namespace forms {

ComboBox::ComboBox(Surface& surface, std::string name, ComboStyle style)
    : TextWidget(surface, std::move(name), WidgetKind::ComboBox), style_(style) {}

// Emptying the text here runs no Change: a refill must not cascade into the paired
// code box, which keeps its text.
void ComboBox::Clear() {
  StoreText("");
  ClearItems();
}

void ComboBox::UserPick(int index) {
  if (index < 0 || index >= ListCount()) {
    return;
  }
  FocusingUserAction([this, index] {
    StoreText(List(index));
    SetListIndexQuietly(index);
    NotifyChanged();
    Raise(Click);
  });
}

void ComboBox::TextAssigned() {
  const int index = IndexOfText(Text());
  if (index < 0 && style_ == ComboStyle::ListOnly) {
    StoreText("");
  }
  SetListIndexQuietly(index);
}

void ComboBox::ItemsChanged() {
  NotifyChanged();
}

}  // namespace forms
