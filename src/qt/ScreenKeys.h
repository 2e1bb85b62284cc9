#pragma once

#include <QObject>

#include "qt/QtHostServices.h"
#include "qt/SectorisationView.h"

namespace qtui {

// The keys a keyboard user expects on the screen's window, each doing what the mouse
// does: F1 opens the help as the pop-up menu's item does, Shift+F10 and the Menu key open
// the pop-up menu by the focused field, Escape is Retour. Each runs as the person's
// action on the control, so a recording replays it.
class ScreenKeys : public QObject {
 public:
  // Lives as long as window; view and services belong to it.
  ScreenKeys(QWidget& window, SectorisationView& view, QtHostServices& services);

 private:
  void OpenHelp();
  void OpenPopupMenu();
  void LeaveScreen();

  QWidget& window_;
  SectorisationView& view_;
  QtHostServices& services_;
};

}  // namespace qtui
