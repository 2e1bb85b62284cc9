#include "qt/WindowGeometry.h"

#include <QSettings>
#include <QWidget>

namespace qtui {
namespace {

QString KeyOf(const QString& name) {
  return QStringLiteral("fenetres/") + name;
}

QSettings UserSettings() {
  return QSettings(QStringLiteral("Delvaro"), QStringLiteral("Delvaro"));
}

}  // namespace

void RestoreGeometry(QWidget& window, const QString& name) {
  const QByteArray saved = UserSettings().value(KeyOf(name)).toByteArray();
  if (!saved.isEmpty())
    window.restoreGeometry(saved);
}

void RememberGeometry(const QWidget& window, const QString& name) {
  UserSettings().setValue(KeyOf(name), window.saveGeometry());
}

}  // namespace qtui
