#pragma once

#include "basis/Export.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// The entries of a combo box or a list box: a text and an integer item datum each,
// kept in the order they were added (never sorted).
class DELVARO_EXPORT ItemList {
 public:
  virtual ~ItemList() = default;

  int ListCount() const { return static_cast<int>(items_.size()); }
  // The text of entry i; "" for an index outside the list.
  std::string List(int index) const;
  // The same text without a copy, valid until the list next changes.
  std::string_view ListView(int index) const;
  // Appends (index -1) or inserts the entry; an index past the end is error 5.
  void AddItem(std::string_view text, int index = -1);
  // A wrong index is error 5.
  void RemoveItem(int index);
  // A wrong index is error 381.
  long ItemData(int index) const;
  void SetItemData(int index, long data);
  // The index of the entry added last; -1 before any.
  int NewIndex() const { return newIndex_; }
  int ListIndex() const { return listIndex_; }

 protected:
  struct Item {
    // Where the entry's text lies in texts_.
    std::size_t textStart = 0;
    std::size_t textSize = 0;
    long data = 0;
    bool selected = false;
  };

  // Removes every entry; the widget decides what happens to its text.
  void ClearItems();
  void SetListIndexQuietly(int index) { listIndex_ = index; }
  int IndexOfText(const std::string& text) const;
  std::span<Item> Items() { return items_; }
  std::span<const Item> Items() const { return items_; }
  void CheckIndex(int index, long errorNumber) const;
  virtual void ItemsChanged() = 0;

 private:
  std::string_view TextOf(const Item& item) const {
    return std::string_view(texts_).substr(item.textStart, item.textSize);
  }
  void Compact();

  std::vector<Item> items_;
  // The entries' texts end to end, in the order they were added, so that an entry costs
  // no allocation of its own and a list emptied and filled again with as many entries
  // allocates nothing. Removed entries leave their text behind until it is most of the
  // buffer.
  std::string texts_;
  std::size_t removedTextSize_ = 0;
  int newIndex_ = -1;
  int listIndex_ = -1;
};

}  // namespace forms
