#pragma once

#include "basis/Export.h"

#include <functional>
#include <vector>

#include "forms/Widget.h"

namespace forms {

// A menu or one of its items: a menu holds items; an item runs Click when chosen.
class DELVARO_EXPORT Menu : public Widget {
 public:
  Menu(Surface& surface, std::string name, std::string caption, Menu* parent = nullptr);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::vector<Menu*>& Items() const { return items_; }

  std::function<void()> Click;

  void UserClick();

 private:
  std::string caption_;
  std::vector<Menu*> items_;
};

}  // namespace forms
