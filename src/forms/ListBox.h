#pragma once

#include "basis/Export.h"

#include <functional>
#include <vector>

#include "forms/ItemList.h"
#include "forms/Widget.h"

namespace forms {

// A list box with several entries selectable at once. New entries are not selected.
class DELVARO_EXPORT ListBox : public Widget, public ItemList {
 public:
  ListBox(Surface& surface, std::string name);

  void Clear();
  // A wrong index is error 381.
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);

  std::function<void()> Click;
  std::function<void()> DblClick;

  // The user selects exactly these entries (indexes outside the list are ignored).
  void UserSelect(const std::vector<int>& indexes);
  void UserClick();
  void UserDblClick();

 protected:
  void ItemsChanged() override;
};

}  // namespace forms
