#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace forms {
class Widget;
}

namespace scenario {

// A property a scenario may look at, and how its value is written: texts as they are,
// Booleans True or False, numbers in decimal.
class WidgetProperty {
 public:
  enum class Form { Text, Boolean, Number };

  // nullptr for a name that is no property.
  static const WidgetProperty* Named(std::string_view name);

  Form ValueForm() const { return form_; }
  // Written with an entry index: List(i), ItemData(i), Selected(i).
  bool Indexed() const { return indexed_; }

  // The value the widget shows now; nothing when this kind of widget has no such
  // property. A wrong index raises the widget's own error.
  std::optional<std::string> ReadFrom(const forms::Widget& widget, int index) const;

  static std::string BooleanText(bool value) { return value ? "True" : "False"; }

 private:
  enum class Id {
    Text,
    Caption,
    Enabled,
    Visible,
    ListCount,
    ListIndex,
    List,
    ItemData,
    Selected,
    Tab
  };

  constexpr WidgetProperty(Id id, std::string_view name, Form form, bool indexed)
      : id_(id), name_(name), form_(form), indexed_(indexed) {}

  Id id_;
  std::string_view name_;
  Form form_;
  bool indexed_;

  static const WidgetProperty kAll[];
};

}  // namespace scenario
