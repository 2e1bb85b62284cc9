#include "qt/QtHelpEngine.h"

#include <QFile>
#include <QFileInfo>

#include "qt/QtText.h"

namespace qtui {

QtHelpEngine::~QtHelpEngine() {
  delete window_;
}

long QtHelpEngine::WinHelp(long /*window*/, const std::string& helpFile, long command,
                           long /*data*/) {
  switch (command) {
    case kShowContents:
      return ShowContents(helpFile);
    case kQuit:
      Quit(helpFile);
      return 1;
    default:
      return 0;
  }
}

long QtHelpEngine::ShowContents(const std::string& helpFile) {
  if (window_ == nullptr) {
    window_ = new QTextBrowser;
    window_->setAttribute(Qt::WA_DeleteOnClose);
    // Help left open must not keep the application running.
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    window_->setObjectName(QStringLiteral("FenetreAide"));
    window_->setWindowTitle(QStringLiteral("Aide TARVENO"));
    window_->setOpenExternalLinks(true);
    window_->resize(640, 520);
  }
  const QString path = ToQString(helpFile);
  QFile file(path);
  const bool readable = file.open(QIODevice::ReadOnly);
  if (readable) {
    window_->setSearchPaths({QFileInfo(path).absolutePath()});
    window_->setHtml(QString::fromUtf8(file.readAll()));
  } else {
    window_->setPlainText(
        QStringLiteral("Le fichier d'aide « %1 » ne peut pas être lu.").arg(path));
  }
  shownFile_ = helpFile;
  window_->show();
  window_->raise();
  window_->activateWindow();
  return readable ? 1 : 0;
}

void QtHelpEngine::Quit(const std::string& helpFile) {
  if (window_ != nullptr && shownFile_ == helpFile)
    window_->close();
}

}  // namespace qtui
