#pragma once

#include "basis/Export.h"

#include <functional>

#include "forms/ItemList.h"
#include "forms/TextWidget.h"

namespace forms {

enum class ComboStyle { Editable, ListOnly };

// A combo box. Assigning Text sets ListIndex to the first entry with exactly that
// text, or -1; the list-only combo takes no typed text, and assigning it a text that
// no entry holds leaves it without a choice (empty text, -1), which is a change of
// text like any other. Picking an entry sets Text and ListIndex and runs Click, not
// Change.
// Clear removes the entries and empties the text WITHOUT running Change.
class DELVARO_EXPORT ComboBox : public TextWidget, public ItemList {
 public:
  ComboBox(Surface& surface, std::string name, ComboStyle style);

  ComboStyle Style() const { return style_; }
  void Clear();

  std::function<void()> Click;

  // The user chooses entry index; an index outside the list does nothing.
  void UserPick(int index);

 protected:
  bool TakesTypedText() const override { return style_ == ComboStyle::Editable; }
  void TextAssigned() override;
  void ItemsChanged() override;

 private:
  ComboStyle style_;
};

}  // namespace forms
