#include "forms/ItemList.h"

#include <algorithm>

#include "basis/Error.h"

namespace forms {

std::string ItemList::List(int index) const {
  return std::string(ListView(index));
}

std::string_view ItemList::ListView(int index) const {
  if (index < 0 || index >= ListCount()) {
    return {};
  }
  return TextOf(items_[static_cast<std::size_t>(index)]);
}

void ItemList::AddItem(std::string_view text, int index) {
  if (index == -1) {
    index = ListCount();
  } else if (index < 0 || index > ListCount()) {
    throw basis::Error(basis::kInvalidProcedureCall);
  }
  // The text may be a view of another entry's: it is appended before anything moves.
  const std::size_t start = texts_.size();
  texts_.append(text);
  items_.insert(items_.begin() + index, Item{start, text.size()});
  newIndex_ = index;
  if (listIndex_ >= index) {
    ++listIndex_;  // the chosen entry moved down with the insertion
  }
  ItemsChanged();
}

void ItemList::RemoveItem(int index) {
  CheckIndex(index, basis::kInvalidProcedureCall);
  const auto position = items_.begin() + index;
  removedTextSize_ += position->textSize;
  items_.erase(position);
  if (2 * removedTextSize_ > texts_.size()) {
    Compact();
  }
  // The entry added last may be gone or moved: nothing names it any more.
  newIndex_ = -1;
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  ItemsChanged();
}

void ItemList::Compact() {
  std::string kept;
  kept.reserve(texts_.size() - removedTextSize_);
  for (Item& item : items_) {
    const std::size_t start = kept.size();
    kept += TextOf(item);
    item.textStart = start;
  }
  texts_.swap(kept);
  removedTextSize_ = 0;
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
  texts_.clear();
  removedTextSize_ = 0;
  newIndex_ = -1;
  listIndex_ = -1;
  ItemsChanged();
}

int ItemList::IndexOfText(const std::string& text) const {
  const std::span<const Item> entries = Items();
  auto found = std::find_if(entries.begin(), entries.end(),
                            [&](const Item& item) { return TextOf(item) == text; });
  return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

void ItemList::CheckIndex(int index, long errorNumber) const {
  if (index < 0 || index >= ListCount()) {
    throw basis::Error(errorNumber);
  }
}

}  // namespace forms
