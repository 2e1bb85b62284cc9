#include "forms/Surface.h"

#include <algorithm>
#include <string>
#include <utility>

#include "forms/HostServices.h"
#include "forms/MessageStyle.h"
#include "forms/UnscriptedQuestion.h"
#include "forms/WidgetObserver.h"

namespace forms {

Surface::Surface(HostServices& host, std::string name, long windowHandle)
    : Widget(*this, std::move(name), WidgetKind::Surface),
      host_(host),
      windowHandle_(windowHandle) {}

Widget* Surface::Find(const std::string& name) const {
  auto found = std::find_if(widgets_.begin(), widgets_.end(),
                            [&](const Widget* widget) { return widget->Name() == name; });
  return found == widgets_.end() ? nullptr : *found;
}

void Surface::SetMousePointer(int pointer) {
  mousePointer_ = pointer;
  NotifyChanged();
}

// Told even when the value stays the same: each request asks the front end for a busy
// cursor until it is next idle, which may have come and gone since the last one.
void Surface::SetBusyUntilIdle(bool busy) {
  busyUntilIdle_ = busy;
  NotifyChanged();
}

void Surface::UserMouseDown(basis::Integer button, basis::Integer shift, float x, float y) {
  if (!AcceptsUser()) {
    return;
  }
  RunUserAction([&] { Raise(MouseDown, button, shift, x, y); });
}

bool Surface::UserQueryUnload() {
  basis::Integer cancel = basis::False;
  return RunUserAction([&] { Raise(QueryUnload, cancel); }) && cancel == basis::False;
}

bool Surface::RunUserAction(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const UnscriptedQuestion&) {
    // A scenario without the answer it needs is wrong; showing a box would hide that.
    throw;
  } catch (const basis::Error& error) {
    host_.MsgBox(ErrorText(error), kStyleError, kMessageTitle);
  } catch (const std::exception& failure) {
    host_.MsgBox(ErrorText(basis::Error(basis::kInternalError, failure.what())), kStyleError,
                 kMessageTitle);
  } catch (...) {
    host_.MsgBox(ErrorText(basis::Error(basis::kInternalError)), kStyleError, kMessageTitle);
  }
  return false;
}

std::string Surface::ErrorText(const basis::Error& error) {
  return "Erreur " + std::to_string(error.Number()) + " : " + error.Description();
}

void Surface::Register(Widget& widget) {
  widgets_.push_back(&widget);
}

void Surface::Unregister(const Widget& widget) {
  DropFocus(widget);
  std::erase(widgets_, &widget);
}

void Surface::Changed(Widget& widget) {
  if (observer_ != nullptr) {
    observer_->WidgetChanged(widget);
  }
}

void Surface::MoveFocus(Widget& widget) {
  focused_ = &widget;
}

void Surface::DropFocus(const Widget& widget) {
  if (focused_ == &widget) {
    focused_ = nullptr;
  }
}

void Surface::RequestFocus(Widget& widget) {
  focused_ = &widget;
  if (observer_ != nullptr) {
    observer_->FocusRequested(widget);
  }
}

}  // namespace forms
