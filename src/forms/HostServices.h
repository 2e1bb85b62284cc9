#pragma once

#include "basis/Export.h"

#include <string>

namespace forms {

class Menu;

// What the host platform does for the control.
class DELVARO_EXPORT HostServices {
 public:
  virtual ~HostServices() = default;
  // A modal message box; gives the answer (MessageStyle.h).
  virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;
  virtual void Beep() = 0;
  // One pass of the host's event queue.
  virtual void DoEvents() = 0;
  // Unloads the window that contains the control. The control is destroyed after the
  // current user action has returned, never inside it.
  virtual void UnloadParentWindow() = 0;
  // Shows the menu as a pop-up at the mouse position.
  virtual void PopupMenu(Menu& menu) = 0;
};

}  // namespace forms
