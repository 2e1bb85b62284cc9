#include "replay/WidgetProperty.h"

#include "forms/CommandButton.h"
#include "forms/ItemList.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/Menu.h"
#include "forms/TabStrip.h"
#include "forms/TextWidget.h"

namespace scenario {

const WidgetProperty WidgetProperty::kAll[] = {
    {Id::Text, "Text", Form::Text, false},
    {Id::Caption, "Caption", Form::Text, false},
    {Id::Enabled, "Enabled", Form::Boolean, false},
    {Id::Visible, "Visible", Form::Boolean, false},
    {Id::ListCount, "ListCount", Form::Number, false},
    {Id::ListIndex, "ListIndex", Form::Number, false},
    {Id::List, "List", Form::Text, true},
    {Id::ItemData, "ItemData", Form::Number, true},
    {Id::Selected, "Selected", Form::Boolean, true},
    {Id::Tab, "Tab", Form::Number, false},
};

const WidgetProperty* WidgetProperty::Named(std::string_view name) {
  for (const WidgetProperty& property : kAll) {
    if (property.name_ == name)
      return &property;
  }
  return nullptr;
}

namespace {

std::optional<std::string> CaptionOf(const forms::Widget& widget) {
  if (auto label = dynamic_cast<const forms::Label*>(&widget))
    return label->Caption();
  if (auto button = dynamic_cast<const forms::CommandButton*>(&widget))
    return button->Caption();
  if (auto menu = dynamic_cast<const forms::Menu*>(&widget))
    return menu->Caption();
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WidgetProperty::ReadFrom(const forms::Widget& widget, int index) const {
  auto items = dynamic_cast<const forms::ItemList*>(&widget);
  switch (id_) {
    case Id::Text:
      if (auto text = dynamic_cast<const forms::TextWidget*>(&widget))
        return text->Text();
      return std::nullopt;
    case Id::Caption:
      return CaptionOf(widget);
    case Id::Enabled:
      return BooleanText(widget.Enabled());
    case Id::Visible:
      return BooleanText(widget.Visible());
    case Id::ListCount:
      return items ? std::optional(std::to_string(items->ListCount())) : std::nullopt;
    case Id::ListIndex:
      return items ? std::optional(std::to_string(items->ListIndex())) : std::nullopt;
    case Id::List:
      return items ? std::optional(items->List(index)) : std::nullopt;
    case Id::ItemData:
      return items ? std::optional(std::to_string(items->ItemData(index))) : std::nullopt;
    case Id::Selected:
      if (auto list = dynamic_cast<const forms::ListBox*>(&widget))
        return BooleanText(list->Selected(index));
      return std::nullopt;
    case Id::Tab:
      if (auto tabs = dynamic_cast<const forms::TabStrip*>(&widget))
        return std::to_string(tabs->Tab());
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace scenario
