#include "qt/ScreenKeys.h"

#include <QShortcut>

namespace qtui {

ScreenKeys::ScreenKeys(QWidget& window, SectorisationView& view, QtHostServices& services)
    : QObject(&window), window_(window), view_(view), services_(services) {
  const auto bind = [this](QKeySequence keys, void (ScreenKeys::*act)()) {
    auto* shortcut = new QShortcut(keys, &window_);
    connect(shortcut, &QShortcut::activated, this, act);
  };
  bind(QKeySequence(Qt::Key_F1), &ScreenKeys::OpenHelp);
  bind(QKeySequence(Qt::SHIFT | Qt::Key_F10), &ScreenKeys::OpenPopupMenu);
  bind(QKeySequence(Qt::Key_Menu), &ScreenKeys::OpenPopupMenu);
  bind(QKeySequence(Qt::Key_Escape), &ScreenKeys::LeaveScreen);
}

void ScreenKeys::OpenHelp() {
  forms::Menu& item = view_.Control().Mnu_Sommaire;
  view_.Run({"menu", item.Name()}, [&item] { item.UserClick(); });
}

void ScreenKeys::OpenPopupMenu() {
  const QWidget* focus = window_.focusWidget() != nullptr ? window_.focusWidget() : &view_;
  const QPoint below = focus->mapToGlobal(QPoint(0, focus->height()));
  const QPoint at = view_.mapFromGlobal(below);
  constexpr basis::Integer kRightButton = 2;
  services_.SetPopupPosition(below);
  view_.Run({"rightclick", std::to_string(kRightButton)}, [this, at] {
    view_.Control().UserControl.UserMouseDown(kRightButton, 0, static_cast<float>(at.x()),
                                              static_cast<float>(at.y()));
  });
  services_.SetPopupPosition(std::nullopt);
}

void ScreenKeys::LeaveScreen() {
  forms::CommandButton& retour = view_.Control().Cmd_RetourSectorisation;
  view_.Run({"click", retour.Name()}, [&retour] { retour.UserClick(); });
}

}  // namespace qtui
