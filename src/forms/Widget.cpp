#include "forms/Widget.h"

#include <utility>

#include "forms/Surface.h"

namespace forms {

Widget::Widget(Surface& surface, std::string name, WidgetKind kind)
    : surface_(surface), name_(std::move(name)), kind_(kind) {
  // The surface is built as a widget of itself; it must not list itself, and its own
  // members do not exist yet at this point.
  if (kind_ != WidgetKind::Surface) {
    surface_.Register(*this);
  }
}

Widget::~Widget() {
  if (kind_ != WidgetKind::Surface) {
    surface_.Unregister(*this);
  }
}

void Widget::SetEnabled(bool enabled) {
  UpdateUserState(enabled_, enabled);
}

void Widget::SetVisible(bool visible) {
  UpdateUserState(visible_, visible);
}

void Widget::SetFocus() {
  if (AcceptsUser() && surface_.Visible()) {
    surface_.RequestFocus(*this);
  }
}

bool Widget::HasFocus() const {
  return surface_.FocusedWidget() == this;
}

void Widget::NotifyChanged() {
  surface_.Changed(*this);
}

void Widget::UpdateShownText(std::string& field, const std::string& value) {
  if (value != field) {
    field = value;
    NotifyChanged();
  }
}

void Widget::UserAction(const std::function<void()>& action) {
  if (AcceptsUser() && surface_.AcceptsUser()) {
    surface_.RunUserAction(action);
  }
}

void Widget::FocusingUserAction(const std::function<void()>& action) {
  if (AcceptsUser() && surface_.AcceptsUser()) {
    surface_.MoveFocus(*this);
    surface_.RunUserAction(action);
  }
}

// A widget the user can no longer reach cannot keep the keyboard focus.
void Widget::UpdateUserState(bool& flag, bool value) {
  if (value == flag) {
    return;
  }
  flag = value;
  if (!value) {
    surface_.DropFocus(*this);
  }
  NotifyChanged();
}

void Widget::ReleaseFocus() {
  surface_.DropFocus(*this);
}

}  // namespace forms
