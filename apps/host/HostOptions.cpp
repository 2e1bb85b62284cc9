#include "host/HostOptions.h"

#include <optional>

namespace host {
namespace {

// The value of an option given as "--name VALUE" or "--name=VALUE".
class ArgumentReader {
 public:
  explicit ArgumentReader(const QStringList& arguments) : arguments_(arguments) {}

  bool AtEnd() const { return next_ >= arguments_.size(); }

  // The option name of the next argument, its inline value kept aside.
  QString NextOption() {
    QString argument = arguments_[next_++];
    inlineValue_.reset();
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (argument.startsWith(QLatin1String("--")) && equals > 0) {
      inlineValue_ = argument.mid(equals + 1);
      argument.truncate(equals);
    }
    return argument;
  }

  // No option of the host takes an empty value.
  std::string Value(const QString& option) {
    QString value;
    if (inlineValue_)
      value = *inlineValue_;
    else if (!AtEnd())
      value = arguments_[next_++];
    if (value.isEmpty())
      throw UsageError("l'option " + option.toStdString() + " attend une valeur");
    return value.toStdString();
  }

 private:
  const QStringList& arguments_;
  qsizetype next_ = 0;
  std::optional<QString> inlineValue_;
};

int LevelOf(const std::string& text) {
  bool isNumber = false;
  const int level = QString::fromStdString(text).toInt(&isNumber);
  if (!isNumber)
    throw UsageError("--level attend un nombre entier, pas « " + text + " »");
  return level;
}

}  // namespace

HostOptions ParseHostOptions(const QStringList& arguments) {
  HostOptions options;
  ArgumentReader reader(arguments);
  while (!reader.AtEnd()) {
    const QString option = reader.NextOption();
    if (option == QLatin1String("--db"))
      options.database = reader.Value(option);
    else if (option == QLatin1String("--aidant"))
      options.aidant = reader.Value(option);
    else if (option == QLatin1String("--level"))
      options.level = LevelOf(reader.Value(option));
    else if (option == QLatin1String("--screenshot"))
      options.screenshot = reader.Value(option);
    else if (option == QLatin1String("--record"))
      options.record = reader.Value(option);
    else if (option == QLatin1String("--help") || option == QLatin1String("-h"))
      options.help = true;
    else if (option.startsWith(QLatin1Char('-')))
      throw UsageError("option inconnue : " + option.toStdString());
    else
      throw UsageError("argument inattendu : " + option.toStdString());
  }
  if (!options.screenshot.empty() && options.aidant.empty())
    throw UsageError("--screenshot demande aussi --aidant CODE");
  return options;
}

const char* HostUsage() {
  return "Usage : delvaro-host [--db CHEMIN] [--aidant CODE] [--level N]\n"
         "                     [--screenshot FICHIER.png] [--record FICHIER] [--help]\n"
         "\n"
         "Sans --aidant, la liste des aidants ; chacun ouvre son écran de sectorisation.\n"
         "  --db CHEMIN         la base de données (par défaut la base de démonstration\n"
         "                      du dossier de données de l'utilisateur, créée au premier\n"
         "                      lancement)\n"
         "  --aidant CODE       ouvre directement l'écran de cet aidant et s'arrête quand\n"
         "                      on le quitte (statut 0 si on l'a quitté par OK ou Retour)\n"
         "  --level N           abaisse le niveau d'accès que la base accorde sur l'écran\n"
         "                      (0, 1 : consultation ; 2 : modification), sans jamais\n"
         "                      l'élever\n"
         "  --screenshot F.png  avec --aidant : enregistre l'image de l'écran et s'arrête\n"
         "  --record FICHIER    écrit, au fil du travail, le scénario qui le rejoue\n"
         "                      (delvaro-replay)\n"
         "  --help              cette aide\n";
}

}  // namespace host
