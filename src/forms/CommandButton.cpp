#include "forms/CommandButton.h"

#include <utility>

namespace forms {

CommandButton::CommandButton(Surface& surface, std::string name, std::string caption)
    : Widget(surface, std::move(name), WidgetKind::CommandButton), caption_(std::move(caption)) {}

void CommandButton::SetCaption(const std::string& caption) {
  UpdateShownText(caption_, caption);
}

void CommandButton::UserClick() {
  FocusingUserAction([this] { Raise(Click); });
}

}  // namespace forms
