#include "forms/Menu.h"

#include <utility>

namespace forms {

Menu::Menu(Surface& surface, std::string name, std::string caption, Menu* parent)
    : Widget(surface, std::move(name), WidgetKind::Menu), caption_(std::move(caption)) {
  if (parent != nullptr) {
    parent->items_.push_back(this);
  }
}

void Menu::SetCaption(const std::string& caption) {
  UpdateShownText(caption_, caption);
}

// Choosing a menu item leaves the keyboard focus where it was.
void Menu::UserClick() {
  UserAction([this] { Raise(Click); });
}

}  // namespace forms
