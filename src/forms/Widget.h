#pragma once

#include "basis/Export.h"

#include <functional>
#include <string>
#include <utility>

#include "forms/WidgetKind.h"

namespace forms {

class Surface;

// A headless widget. Property writes run no handler; only the operations documented
// on each class run one. User actions enter through the User* methods: they do
// nothing on a disabled or hidden widget, and whatever error escapes their handlers
// is shown by the surface instead of reaching the caller.
class DELVARO_EXPORT Widget {
 public:
  // A widget registers itself with its surface; the surface keeps it in creation order.
  // The surface must outlive its widgets: a widget leaves the surface when destroyed.
  Widget(Surface& surface, std::string name, WidgetKind kind);
  virtual ~Widget();
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;

  const std::string& Name() const { return name_; }
  WidgetKind Kind() const { return kind_; }
  Surface& Owner() const { return surface_; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // -1 when the widget takes no keyboard focus.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index) { tabIndex_ = index; }
  // 0 when the widget carries no help context.
  int HelpContextID() const { return helpContextId_; }
  void SetHelpContextID(int id) { helpContextId_ = id; }

  // Gives the keyboard focus to the widget; a disabled or hidden widget keeps
  // things as they are.
  void SetFocus();
  bool HasFocus() const;

  bool AcceptsUser() const { return enabled_ && visible_; }

 protected:
  // Runs an event handler, if one is set.
  template <class Handler, class... Arguments>
  static void Raise(const Handler& handler, Arguments&&... arguments) {
    if (handler)
      handler(std::forward<Arguments>(arguments)...);
  }

  void NotifyChanged();
  // Stores a text the widget shows (a caption) and tells the observer when it differs.
  void UpdateShownText(std::string& field, const std::string& value);
  // Entry point of every user action; see the class comment.
  void UserAction(const std::function<void()>& action);
  // The same for an action that puts the keyboard focus on the widget first, as a key
  // press or a click does.
  void FocusingUserAction(const std::function<void()>& action);
  // The user moved the keyboard focus away from the widget.
  void ReleaseFocus();

 private:
  void UpdateUserState(bool& flag, bool value);

  Surface& surface_;
  std::string name_;
  WidgetKind kind_;
  bool enabled_ = true;
  bool visible_ = true;
  int tabIndex_ = -1;
  int helpContextId_ = 0;
};

}  // namespace forms
