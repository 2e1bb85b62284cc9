#include "host/HostApplication.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>

#include "basis/Error.h"
#include "forms/MessageStyle.h"
#include "host/AidantListWindow.h"
#include "host/MissingAidant.h"

namespace host {
namespace {

QString Describe(const basis::Error& error) {
  return QStringLiteral("Erreur %1 : %2")
      .arg(error.Number())
      .arg(QString::fromStdString(error.Description()));
}

}  // namespace

bool SaveScreenshot(QWidget& window, const std::string& file) {
  window.show();
  QCoreApplication::processEvents();
  return window.grab().save(QString::fromStdString(file), "PNG");
}

int RunAidantScreen(HostSession& session, const HostOptions& options, std::ostream& err) {
  QPointer<qtui::SectorisationWindow> window;
  try {
    window = session.OpenScreen(options.aidant);
  } catch (const MissingAidant& missing) {
    err << "delvaro-host : " << missing.what() << '\n';
    return 1;
  } catch (const basis::Error& error) {
    err << "delvaro-host : l'écran de l'aidant " << options.aidant
        << " ne s'ouvre pas : " << Describe(error).toStdString() << '\n';
    return 1;
  }
  if (!options.screenshot.empty()) {
    const bool saved = SaveScreenshot(*window, options.screenshot);
    if (!saved)
      err << "delvaro-host : impossible d'écrire l'image " << options.screenshot << '\n';
    delete window;
    return saved ? 0 : 1;
  }
  bool sortie = false;
  QObject::connect(window, &qtui::SectorisationWindow::Left,
                   [&sortie](bool left) { sortie = left; });
  window->show();
  QApplication::exec();
  // Closing only scheduled the window's destruction; the control must terminate
  // before the application object goes.
  delete window;
  return sortie ? 0 : 1;
}

int RunAidantList(HostSession& session, std::ostream& err) {
  AidantListWindow list(session.Store().connection);
  ShowSession(list, session.Rights());
  try {
    list.Refresh();
  } catch (const basis::Error& error) {
    err << "delvaro-host : la liste des aidants ne se lit pas : " << Describe(error).toStdString()
        << '\n';
    return 1;
  }
  QObject::connect(&list, &AidantListWindow::OpenRequested, &list, [&](const QString& code) {
    try {
      qtui::SectorisationWindow* screen = session.OpenScreen(code.toStdString(), &list);
      // One screen at a time: the control's connection, files and records are shared
      // by every screen of the process and released when any of them closes.
      screen->setWindowModality(Qt::WindowModal);
      QObject::connect(screen, &qtui::SectorisationWindow::Left, &list, [&list, code] {
        try {
          list.RefreshAidant(code);
        } catch (const basis::Error& error) {
          QMessageBox::critical(&list, forms::kMessageTitle, Describe(error));
        }
      });
      screen->show();
    } catch (const MissingAidant& missing) {
      QMessageBox::warning(&list, forms::kMessageTitle, QString::fromStdString(missing.what()));
    } catch (const basis::Error& error) {
      QMessageBox::critical(&list, forms::kMessageTitle, Describe(error));
    }
  });
  list.show();
  return QApplication::exec();
}

}  // namespace host
