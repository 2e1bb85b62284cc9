#pragma once

#include "basis/Export.h"

#include <QPoint>
#include <optional>
#include <string>

#include "forms/HostServices.h"
#include "forms/ScriptedHost.h"
#include "qt/ActionListener.h"
#include "qt/ActionRunner.h"

class QWidget;

namespace qtui {

// What the host platform does for the control, with Qt: modal message boxes titled as
// asked, the beep, one pass of the event queue, closing the window that holds the
// control once the current action has returned, and the pop-up menu at the mouse.
class DELVARO_EXPORT QtHostServices : public forms::HostServices {
 public:
  // window: the window that holds the control, closed when the control unloads it.
  explicit QtHostServices(QWidget& window);

  // The answers come from the scripted host instead of a dialog (tests, scenarios);
  // nullptr shows dialogs again.
  void SetAnswerSource(forms::ScriptedHost* scripted) { scripted_ = scripted; }
  // Hears the answers given to questions.
  void SetActionListener(ActionListener* listener) { listener_ = listener; }
  // Runs the choice of a pop-up menu item as a user action; without one, the item is
  // clicked directly.
  void SetActionRunner(ActionRunner* runner) { runner_ = runner; }

  // Pop-up menus open at this point of the screen instead of at the mouse until it is
  // reset with nullopt: a menu asked for from the keyboard opens by the focused field.
  void SetPopupPosition(std::optional<QPoint> global) { popupAt_ = global; }

  int MsgBox(const std::string& text, int style, const std::string& title) override;
  void Beep() override;
  void DoEvents() override;
  void UnloadParentWindow() override;
  void PopupMenu(forms::Menu& menu) override;

 private:
  int ShowMessageBox(const std::string& text, int style, const std::string& title);

  QWidget& window_;
  forms::ScriptedHost* scripted_ = nullptr;
  ActionListener* listener_ = nullptr;
  ActionRunner* runner_ = nullptr;
  std::optional<QPoint> popupAt_;
};

}  // namespace qtui
