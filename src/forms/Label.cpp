#include "forms/Label.h"

#include <utility>

namespace forms {

Label::Label(Surface& surface, std::string name, std::string caption)
    : Widget(surface, std::move(name), WidgetKind::Label), caption_(std::move(caption)) {}

void Label::SetCaption(const std::string& caption) {
  UpdateShownText(caption_, caption);
}

}  // namespace forms
