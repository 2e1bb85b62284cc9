#include "qt/FrenchTexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace qtui {
namespace {

// What a text field's or the help window's menu and a standard button can say, when Qt's
// French translation is not installed.
class OwnFrenchTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;

  bool isEmpty() const override { return false; }

  QString translate(const char* /*context*/, const char* sourceText, const char* /*disambiguation*/,
                    int /*n*/) const override {
    static const QHash<QString, QString> french = {
        {"&Undo", "&Annuler"},
        {"&Redo", "&Rétablir"},
        {"Cu&t", "Co&uper"},
        {"&Copy", "&Copier"},
        {"Copy &Link Location", "Copier l'adresse du &lien"},
        {"&Paste", "C&oller"},
        {"Delete", "Supprimer"},
        {"Select All", "Tout sélectionner"},
        {"OK", "OK"},
        {"&OK", "&OK"},
        {"Cancel", "Annuler"},
        {"&Cancel", "&Annuler"},
        {"&Yes", "&Oui"},
        {"&No", "&Non"},
        {"Close", "Fermer"},
        {"Abort", "Abandonner"},
        {"Retry", "Réessayer"},
        {"Ignore", "Ignorer"},
    };
    return french.value(QString::fromUtf8(sourceText));
  }
};

}  // namespace

void InstallFrenchTexts(QCoreApplication& application) {
  auto* qtFrench = new QTranslator(&application);
  if (qtFrench->load(QStringLiteral("qtbase_fr"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qtFrench);
    return;
  }
  delete qtFrench;
  QCoreApplication::installTranslator(new OwnFrenchTexts(&application));
}

}  // namespace qtui
