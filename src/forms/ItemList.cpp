#include "forms/ItemList.h"

#include <algorithm>
#include <utility>

#include "basis/Error.h"

namespace forms {

std::string ItemList::List(int index) const {
  return std::string(ListView(index));
}

std::string_view ItemList::ListView(int index) const {
  if (index < 0 || index >= ListCount()) {
    return {};
  }
  return items_[static_cast<std::size_t>(index)].text;
}

void ItemList::AddItem(std::string_view text, int index) {
  if (index == -1) {
    index = ListCount();
  } else if (index < 0 || index > ListCount()) {
    throw basis::Error(basis::kInvalidProcedureCall);
  }
  if (count_ == items_.size()) {
    items_.emplace_back();
  }
  // The first spare becomes the new entry; the entries from index on move down one place.
  const auto position = items_.begin() + index;
  const auto spare = items_.begin() + static_cast<std::ptrdiff_t>(count_);
  std::rotate(position, spare, spare + 1);
  position->text.assign(text);
  position->data = 0;
  position->selected = false;
  ++count_;
  newIndex_ = index;
  if (listIndex_ >= index) {
    ++listIndex_;  // the chosen entry moved down with the insertion
  }
  ItemsChanged();
}

void ItemList::RemoveItem(int index) {
  CheckIndex(index, basis::kInvalidProcedureCall);
  // The entry goes to the spares, keeping its storage; the entries after it move up.
  const auto position = items_.begin() + index;
  std::rotate(position, position + 1, items_.begin() + static_cast<std::ptrdiff_t>(count_));
  --count_;
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
  count_ = 0;
  newIndex_ = -1;
  listIndex_ = -1;
  ItemsChanged();
}

int ItemList::IndexOfText(const std::string& text) const {
  const std::span<const Item> entries = Items();
  auto found = std::find_if(entries.begin(), entries.end(),
                            [&](const Item& item) { return item.text == text; });
  return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

void ItemList::CheckIndex(int index, long errorNumber) const {
  if (index < 0 || index >= ListCount()) {
    throw basis::Error(errorNumber);
  }
}

}  // namespace forms
