#pragma once

#include "basis/Export.h"

#include <functional>
#include <string>
#include <vector>

#include "basis/Error.h"
#include "basis/Integer.h"
#include "forms/Widget.h"

namespace forms {

class HostServices;
class WidgetObserver;

// The control's own surface: it knows its widgets, the host services, the focus, and
// is the edge where user actions end. A mouse press on the bare surface (not on a
// child widget) runs MouseDown.
class DELVARO_EXPORT Surface : public Widget {
 public:
  Surface(HostServices& host, std::string name, long windowHandle);

  HostServices& Host() const { return host_; }
  long WindowHandle() const { return windowHandle_; }

  const std::vector<Widget*>& Widgets() const { return widgets_; }
  // nullptr when no widget has that name.
  Widget* Find(const std::string& name) const;

  Widget* FocusedWidget() const { return focused_; }

  void SetObserver(WidgetObserver* observer) { observer_ = observer; }

  // Display properties set around long operations: MousePointer 0 is the default
  // pointer; BusyUntilIdle asks the front end for a busy cursor until its event loop
  // is next idle.
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer);
  bool BusyUntilIdle() const { return busyUntilIdle_; }
  void SetBusyUntilIdle(bool busy);

  std::function<void(basis::Integer& button, basis::Integer& shift, float& x, float& y)> MouseDown;
  void UserMouseDown(basis::Integer button, basis::Integer shift = 0, float x = 0, float y = 0);

  // The window that holds the control is asked to close: its close button, the
  // platform's close key, or the host quitting. QueryUnload runs as a user action and
  // sets its argument to True to keep the window open. Gives whether the window may
  // close: no handler, or one that returned without keeping it open. A handler that
  // failed (its error shown) keeps it open, so that no work is lost unasked.
  std::function<void(basis::Integer& cancel)> QueryUnload;
  bool UserQueryUnload();

  // Runs a user action: the error that escapes it is shown in a "Message TARVENO" box
  // (error style, with its number and description) and the screen stays usable. Gives
  // whether the action returned, for a caller whose answer depends on it.
  bool RunUserAction(const std::function<void()>& action);
  // The text of that box.
  static std::string ErrorText(const basis::Error& error);

 private:
  friend class Widget;
  void Register(Widget& widget);
  void Unregister(const Widget& widget);
  void Changed(Widget& widget);
  void MoveFocus(Widget& widget);
  void DropFocus(const Widget& widget);
  void RequestFocus(Widget& widget);

  HostServices& host_;
  long windowHandle_;
  std::vector<Widget*> widgets_;
  Widget* focused_ = nullptr;
  WidgetObserver* observer_ = nullptr;
  int mousePointer_ = 0;
  bool busyUntilIdle_ = false;
};

}  // namespace forms
