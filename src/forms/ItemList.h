#pragma once

#include "basis/Export.h"

#include <string>
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
  // Appends (index -1) or inserts the entry; an index past the end is error 5.
  void AddItem(std::string text, int index = -1);
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
    std::string text;
    long data = 0;
    bool selected = false;
  };

  // Removes every entry; the widget decides what happens to its text.
  void ClearItems();
  void SetListIndexQuietly(int index) { listIndex_ = index; }
  int IndexOfText(const std::string& text) const;
  std::vector<Item>& Items() { return items_; }
  const std::vector<Item>& Items() const { return items_; }
  void CheckIndex(int index, long errorNumber) const;
  virtual void ItemsChanged() = 0;

 private:
  std::vector<Item> items_;
  int newIndex_ = -1;
  int listIndex_ = -1;
};

}  // namespace forms
