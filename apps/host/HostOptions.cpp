#include "host/HostOptions.h"

#include <QCommandLineParser>

namespace host {
namespace {

constexpr int kLowestLevel = 0;
constexpr int kHighestLevel = 2;

QString Dashed(const QString& name) {
  return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The parser's own messages are English: its failure is told again, in French, from
// what it recognised.
[[noreturn]] void RefuseUnparsed(const QCommandLineParser& parser, const QStringList& arguments,
                                 const QStringList& valueOptions) {
  if (!parser.unknownOptionNames().isEmpty())
    throw UsageError("option inconnue : " +
                     Dashed(parser.unknownOptionNames().front()).toStdString());
  for (const QString& argument : arguments) {
    if (!argument.startsWith(QLatin1Char('-')) || !argument.contains(QLatin1Char('=')))
      continue;
    QString name = argument.section(QLatin1Char('='), 0, 0);
    while (name.startsWith(QLatin1Char('-')))
      name.remove(0, 1);
    if (!valueOptions.contains(name))
      throw UsageError("l'option " + Dashed(name).toStdString() + " ne prend pas de valeur");
  }
  throw UsageError("l'option " + arguments.back().toStdString() + " attend une valeur");
}

std::string ValueOf(const QCommandLineParser& parser, const QString& name) {
  if (!parser.isSet(name))
    return "";
  const QString value = parser.value(name);
  if (value.isEmpty())
    throw UsageError("l'option --" + name.toStdString() + " attend une valeur");
  return value.toStdString();
}

int LevelOf(const std::string& text) {
  bool isNumber = false;
  const int level = QString::fromStdString(text).toInt(&isNumber);
  if (!isNumber || level < kLowestLevel || level > kHighestLevel)
    throw UsageError("--level attend 0, 1 ou 2, pas « " + text + " »");
  return level;
}

}  // namespace

HostOptions ParseHostOptions(const QStringList& arguments) {
  const QStringList valueOptions = {QStringLiteral("db"), QStringLiteral("aidant"),
                                    QStringLiteral("level"), QStringLiteral("screenshot"),
                                    QStringLiteral("record")};
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const QString& name : valueOptions)
    parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("VALEUR")));
  parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
  parser.addOption(QCommandLineOption(QStringLiteral("version")));
  // The parser reads its first argument as the program's name.
  if (!parser.parse(QStringList{QStringLiteral("delvaro-host")} + arguments))
    RefuseUnparsed(parser, arguments, valueOptions);
  if (!parser.positionalArguments().isEmpty())
    throw UsageError("argument inattendu : " + parser.positionalArguments().front().toStdString());

  HostOptions options;
  options.help = parser.isSet(QStringLiteral("help"));
  options.version = parser.isSet(QStringLiteral("version"));
  options.database = ValueOf(parser, QStringLiteral("db"));
  options.aidant = ValueOf(parser, QStringLiteral("aidant"));
  if (parser.isSet(QStringLiteral("level")))
    options.level = LevelOf(ValueOf(parser, QStringLiteral("level")));
  options.screenshot = ValueOf(parser, QStringLiteral("screenshot"));
  options.record = ValueOf(parser, QStringLiteral("record"));
  if (!options.screenshot.empty() && options.aidant.empty())
    throw UsageError("--screenshot demande aussi --aidant CODE");
  return options;
}

const char* HostUsage() {
  return "Usage : delvaro-host [--db ADRESSE] [--aidant CODE] [--level N]\n"
         "                     [--screenshot FICHIER.png] [--record FICHIER]\n"
         "                     [--help] [--version]\n"
         "\n"
         "Sans --aidant, la liste des aidants ; chacun ouvre son écran de sectorisation.\n"
         "Chaque option prend sa valeur en « --option valeur » ou « --option=valeur ».\n"
         "  --db ADRESSE        la base de données : sqlite:CHEMIN, postgresql://...,\n"
         "                      ou un chemin de fichier SQLite ; sinon la clé\n"
         "                      database/address du fichier de réglages (celui de\n"
         "                      l'utilisateur, ~/.config/Delvaro/Delvaro.conf, puis\n"
         "                      celui du poste, /etc/xdg/Delvaro/Delvaro.conf) ;\n"
         "                      sinon la base de démonstration du dossier de données\n"
         "                      de l'utilisateur, créée au premier lancement\n"
         "  --aidant CODE       ouvre directement l'écran de cet aidant et s'arrête quand\n"
         "                      on le quitte (statut 0 si on l'a quitté par OK ou Retour)\n"
         "  --level N           abaisse le niveau d'accès que la base accorde sur l'écran\n"
         "                      (0, 1 : consultation ; 2 : modification), sans jamais\n"
         "                      l'élever\n"
         "  --screenshot F.png  avec --aidant : enregistre l'image de l'écran et s'arrête\n"
         "  --record FICHIER    écrit, au fil du travail, le scénario qui le rejoue\n"
         "                      (delvaro-replay)\n"
         "  --help, -h          cette aide\n"
         "  --version           la version du programme\n";
}

}  // namespace host
