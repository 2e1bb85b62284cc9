#include "DbCommandLine.h"

#include <map>

#include "RightsCommands.h"

#include "common/DatabaseAddress.h"

namespace {

struct Arity {
  std::size_t least;
  std::size_t most;
};

const std::map<std::string, Arity>& Commands() {
  static const std::map<std::string, Arity> commands = {
      {"create", {1, SIZE_MAX}}, {"import", {1, 1}}, {"export", {0, SIZE_MAX}},
      {"show", {2, 2}},          {"query", {1, 1}},  {"demo", {0, 0}},
      {"rights", {1, 1}},        {"grant", {3, 3}},  {"revoke", {2, 2}},
  };
  return commands;
}

}  // namespace

const char* DbCommandLine::Usage() {
  return R"(Utilisation : delvaro-db --db ADRESSE COMMANDE [ARGUMENTS]

Commandes :
  create FICHIER...        crée des fichiers vides
  import JSONL|-           charge des lignes JSON (d'un fichier ou de l'entrée standard),
                           en créant les fichiers au besoin ; tout ou rien
  export [FICHIER...]      écrit les enregistrements en lignes JSON sur la sortie standard,
                           fichier par fichier, dans l'ordre des clés
  show FICHIER CLÉ         affiche un enregistrement sur une ligne JSON
  query 'INSTRUCTION' [--columns "0 1"]
                           exécute une requête, par exemple 'SSELECT SECTEUR PAR 1' :
                           une ligne par enregistrement, colonnes séparées par une
                           tabulation, valeurs multiples d'une colonne séparées par |
  demo                     charge les données de démonstration
  rights IDENTIFIANT       affiche les droits d'un identifiant de connexion, et s'ils
                           viennent de son propre enregistrement ou de « * »
  grant IDENTIFIANT ÉCRAN NIVEAU
                           accorde un niveau sur un écran (0, 1 : consultation ;
                           2 : modification) ; « * » vaut pour tout identifiant
                           sans enregistrement propre
  revoke IDENTIFIANT ÉCRAN retire tout droit sur un écran (niveau 0)

Options :
  --db ADRESSE             la base : un fichier SQLite (CHEMIN ou sqlite:CHEMIN), que
                           create, import et demo créent au besoin, ou un serveur
                           PostgreSQL (postgresql://utilisateur@serveur/base)
  --help                   affiche cette aide

Une ligne JSON : {"file": "SECTEUR", "key": "001", "record": ["Centre-ville"]}
où record contient les attributs 1, 2, ... : un texte, ou une liste de valeurs
dont chacune est un texte ou une liste de sous-valeurs.
)";
}

bool DbCommandLine::CreatesDatabase() const {
  return command == "create" || command == "import" || command == "demo";
}

DbCommandLine DbCommandLine::Parse(const std::vector<std::string>& arguments) {
  DbCommandLine line;
  auto valueOf = [&](std::size_t& i) -> std::string {
    if (i + 1 >= arguments.size())
      throw UsageError("l'option " + arguments[i] + " attend une valeur");
    return arguments[++i];
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      line.help = true;
    } else if (argument == "--db") {
      line.database = valueOf(i);
    } else if (argument == "--columns") {
      line.columns = valueOf(i);
    } else if (argument.starts_with("--")) {
      throw UsageError("option inconnue " + argument);
    } else if (line.command.empty()) {
      line.command = argument;
    } else {
      line.operands.push_back(argument);
    }
  }
  if (line.help)
    return line;
  if (line.command.empty())
    throw UsageError("commande manquante");
  const auto command = Commands().find(line.command);
  if (command == Commands().end())
    throw UsageError("commande inconnue " + line.command);
  if (line.operands.size() < command->second.least || line.operands.size() > command->second.most)
    throw UsageError("nombre d'arguments incorrect pour " + line.command);
  if (line.columns && line.command != "query")
    throw UsageError("--columns ne s'emploie qu'avec query");
  if (line.database.empty())
    throw UsageError("--db ADRESSE est obligatoire");
  if (appsupport::DatabaseAddress::FromArgument(line.database) == "sqlite::memory:" &&
      line.CreatesDatabase())
    throw UsageError("avec --db :memory:, " + line.command +
                     " ne garderait rien : la base en mémoire disparaît à la fin de la commande");
  RightsCommands::Check(line.command, line.operands);
  return line;
}
