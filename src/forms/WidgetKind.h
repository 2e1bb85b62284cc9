#pragma once

namespace forms {

enum class WidgetKind { Surface, Label, TextBox, ComboBox, ListBox, CommandButton, TabStrip, Menu };

}  // namespace forms
