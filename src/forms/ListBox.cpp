#include "forms/ListBox.h"

#include <utility>

#include "basis/ErrorNumber.h"

namespace forms {

ListBox::ListBox(Surface& surface, std::string name)
    : Widget(surface, std::move(name), WidgetKind::ListBox) {}

void ListBox::Clear() {
  ClearItems();
}

bool ListBox::Selected(int index) const {
  CheckIndex(index, basis::kInvalidPropertyArrayIndex);
  return Items()[static_cast<std::size_t>(index)].selected;
}

void ListBox::SetSelected(int index, bool selected) {
  CheckIndex(index, basis::kInvalidPropertyArrayIndex);
  bool& current = Items()[static_cast<std::size_t>(index)].selected;
  if (current != selected) {
    current = selected;
    NotifyChanged();
  }
}

void ListBox::UserSelect(const std::vector<int>& indexes) {
  FocusingUserAction([this, &indexes] {
    std::vector<bool> wanted(Items().size(), false);
    for (int index : indexes) {
      if (index >= 0 && index < ListCount()) {
        wanted[static_cast<std::size_t>(index)] = true;
      }
    }
    bool changed = false;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
      changed = changed || Items()[i].selected != wanted[i];
      Items()[i].selected = wanted[i];
    }
    if (changed) {
      NotifyChanged();
    }
  });
}

void ListBox::UserClick() {
  FocusingUserAction([this] { Raise(Click); });
}

void ListBox::UserDblClick() {
  FocusingUserAction([this] { Raise(DblClick); });
}

void ListBox::ItemsChanged() {
  NotifyChanged();
}

}  // namespace forms
