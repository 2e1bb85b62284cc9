#include "forms/ItemList.h"

#include <algorithm>
#include <utility>

#include "basis/Error.h"

namespace forms {

std::string ItemList::List(int index) const {
  if (index < 0 || index >= ListCount()) {
    return {};
  }
  return items_[static_cast<std::size_t>(index)].text;
}

void ItemList::AddItem(std::string text, int index) {
  if (index == -1) {
    index = ListCount();
  } else if (index < 0 || index > ListCount()) {
    throw basis::Error(basis::kInvalidProcedureCall);
  }
  items_.insert(items_.begin() + index, Item{std::move(text)});
  newIndex_ = index;
  if (listIndex_ >= index) {
    ++listIndex_;  // the chosen entry moved down with the insertion
  }
  ItemsChanged();
}

void ItemList::RemoveItem(int index) {
  CheckIndex(index, basis::kInvalidProcedureCall);
  items_.erase(items_.begin() + index);
  // The entry added last may be gone or moved: nothing names it any more.
  newIndex_ = -1;
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  ItemsChanged();
}

long ItemList::ItemData(int index) const {
  CheckIndex(index, basis::kInvalidPropertyArrayIndex);
  return items_[static_cast<std::size_t>(index)].data;
}

void ItemList::SetItemData(int index, long data) {
  CheckIndex(index, basis::kInvalidPropertyArrayIndex);
  items_[static_cast<std::size_t>(index)].data = data;
}

void ItemList::ClearItems() {
  items_.clear();
  newIndex_ = -1;
  listIndex_ = -1;
  ItemsChanged();
}

int ItemList::IndexOfText(const std::string& text) const {
  auto found = std::find_if(items_.begin(), items_.end(),
                            [&](const Item& item) { return item.text == text; });
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void ItemList::CheckIndex(int index, long errorNumber) const {
  if (index < 0 || index >= ListCount()) {
    throw basis::Error(errorNumber);
  }
}

}  // namespace forms
