#include "forms/TextBox.h"

#include <utility>

namespace forms {

TextBox::TextBox(Surface& surface, std::string name)
    : TextWidget(surface, std::move(name), WidgetKind::TextBox) {}

}  // namespace forms
