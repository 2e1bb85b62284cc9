#include "DbTool.h"

#include <algorithm>

#include "DbCommands.h"
#include "basis/Error.h"
#include "common/DatabaseAddress.h"
#include "common/ToolCommandLine.h"
#include "dba/DatabaseClient.h"

namespace {

constexpr const char* kFooter = R"(
Adresses : sqlite:CHEMIN, postgresql://…, ou un chemin de fichier SQLite.
Une ligne JSON : {"file": "SECTEUR", "key": "001", "record": ["Centre-ville"]}
où record contient les attributs 1, 2, ... : un texte, ou une liste de valeurs
dont chacune est un texte ou une liste de sous-valeurs.
Statut : 0 réussi, 1 échec ou anomalie trouvée, 2 ligne de commande incorrecte.)";

}  // namespace

int DbTool::Run(const std::vector<std::string>& arguments) {
  appsupport::ToolCommandLine line("delvaro-db", "Tient les données d'une base Delvaro.");
  CLI::App& app = line.App();
  std::string typed;
  app.add_option("--db", typed,
                 "la base : un fichier SQLite (CHEMIN ou sqlite:CHEMIN), que create, import et "
                 "demo créent au besoin, ou un serveur PostgreSQL "
                 "(postgresql://utilisateur@serveur/base)")
      ->type_name("ADRESSE")
      ->required()
      ->check(CLI::Validator(appsupport::DatabaseAddress::Problem, ""));
  app.require_subcommand(1);
  // --db may come after the command too.
  app.fallthrough();
  app.footer(kFooter);
  const auto commands = MakeDbCommands(line);
  if (const auto status = line.Parse(arguments, streams_.out, streams_.err))
    return *status;
  DbCommand& command = **std::find_if(commands.begin(), commands.end(),
                                      [](const auto& candidate) { return candidate->Chosen(); });
  const std::string address = appsupport::DatabaseAddress::FromArgument(typed);
  if (address == "sqlite::memory:" && command.CreatesStore())
    return line.Refuse("avec --db :memory:, " + command.Name() +
                           " ne garderait rien : la base en mémoire disparaît à la fin de la "
                           "commande",
                       streams_.err);
  try {
    // The store itself reports a missing SQLite file when the command may not create it,
    // so that reading a mistyped path creates no empty store.
    const auto connection = dba::DatabaseClient().Connect(
        address,
        command.CreatesStore() ? dba::OpenMode::kCreateIfMissing : dba::OpenMode::kOpenExisting);
    return command.Run(*connection, streams_);
  } catch (const basis::Error& error) {
    streams_.err << "delvaro-db : " << error.Description() << "\n";
    return 1;
  } catch (const std::bad_alloc&) {
    streams_.err << "delvaro-db : mémoire épuisée, rien n'a été écrit.\n";
    return 1;
  } catch (const std::exception& error) {
    streams_.err << "delvaro-db : erreur inattendue, rien n'a été écrit. (" << error.what()
                 << ")\n";
    return 1;
  }
}
