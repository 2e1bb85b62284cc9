// A Qt host of the installed component library and its front end: the screen in a
// window of its own, drawn without a display.
#include <QApplication>
#include <QComboBox>
#include <iostream>

#include <delvaro/qt/QtHelpEngine.h>
#include <delvaro/qt/SectorisationWindow.h>

#include "SampleStore.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  qtui::QtHelpEngine help;
  SampleStore store;
  auto* window = new qtui::SectorisationWindow(help);
  window->Open(store.database, store.client, store.rights, "A1");
  window->show();
  const auto* labels = window->findChild<QComboBox*>("Cbo_LibSecteurAidant");
  const bool drawn =
      labels != nullptr && labels->itemText(0) == "Centre" && !window->grab().isNull();
  delete window;
  if (!drawn)
    std::cerr << "sample-qt-host: the screen was not drawn\n";
  return drawn ? 0 : 1;
}
