#include "forms/TabStrip.h"

#include <utility>

#include "basis/Error.h"

namespace forms {

TabStrip::TabStrip(Surface& surface, std::string name, std::vector<std::string> captions)
    : Widget(surface, std::move(name), WidgetKind::TabStrip), captions_(std::move(captions)) {}

const std::string& TabStrip::TabCaption(int index) const {
  CheckIndex(index);
  return captions_[static_cast<std::size_t>(index)];
}

void TabStrip::SetTab(int index) {
  CheckIndex(index);
  if (index != tab_) {
    tab_ = index;
    NotifyChanged();
  }
}

void TabStrip::UserShowTab(int index) {
  if (index < 0 || index >= TabCount()) {
    return;
  }
  FocusingUserAction([this, index] { SetTab(index); });
}

void TabStrip::CheckIndex(int index) const {
  if (index < 0 || index >= TabCount()) {
    throw basis::Error(basis::kInvalidPropertyArrayIndex);
  }
}

}  // namespace forms
