#include "replay/ReplayTool.h"

#include <algorithm>
#include <optional>

#include "basis/Error.h"
#include "common/DatabaseAddress.h"
#include "common/NamedInput.h"
#include "common/ToolCommandLine.h"
#include "replay/ReplayStore.h"
#include "replay/ScenarioRunner.h"

namespace scenario {

namespace {

constexpr const char* kFooter = R"(
Sans --db ni --data : les données de démonstration, dans une base neuve pour chaque
scénario.
Statut : 0 tout est conforme, 1 une attente a échoué, 2 un scénario n'a pas pu être
joué jusqu'au bout ou la ligne de commande est incorrecte.)";

struct Options {
  std::string database;
  std::vector<std::string> data;
  std::vector<std::string> scripts;
};

void Declare(CLI::App& app, Options& options) {
  CLI::Option* database =
      app.add_option("--db", options.database,
                     "une base existante, utilisée telle quelle : un fichier SQLite ou "
                     "postgresql://utilisateur@serveur/base")
          ->type_name("ADRESSE")
          ->check(CLI::Validator(appsupport::DatabaseAddress::Problem, ""));
  app.add_option("--data", options.data,
                 "des enregistrements en lignes JSON (- : l'entrée standard), chargés dans "
                 "une base neuve en mémoire pour chaque scénario ; option répétable")
      ->type_name("FICHIER")
      ->allow_extra_args(false)
      ->excludes(database);
  app.add_option("SCÉNARIO", options.scripts, "les scénarios à jouer (- : l'entrée standard)")
      ->required();
  app.footer(kFooter);
}

}  // namespace

int RunReplayTool(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                  std::ostream& err) {
  appsupport::ToolCommandLine line(
      "delvaro-replay", "Rejoue chaque scénario sur l'écran de sectorisation, sans affichage.");
  Options options;
  Declare(line.App(), options);
  if (const auto status = line.Parse(arguments, out, err))
    return *status;
  const auto readsInput = [](const std::vector<std::string>& paths) {
    return std::count(paths.begin(), paths.end(), "-");
  };
  if (readsInput(options.scripts) + readsInput(options.data) > 1)
    return line.Refuse("l'entrée standard ne peut être lue qu'une fois", err);

  std::optional<ReplayStore> store;
  try {
    store = !options.database.empty() ? ReplayStore::FromDatabase(options.database)
            : options.data.empty()    ? ReplayStore::Demo()
                                      : ReplayStore::FromData(options.data, in);
    // Data that does not load is found before any script runs.
    store->ConnectionForScript();
  } catch (const std::exception& error) {
    // The store's errors say in French what is wrong; anything else is still reported,
    // never left to end the process.
    err << "delvaro-replay : " << error.what() << "\n";
    return 2;
  }

  int status = 0;
  int passed = 0;
  int failed = 0;
  for (const std::string& script : options.scripts) {
    const std::optional<std::string> text = appsupport::ReadNamedInput(script, in);
    ScenarioOutcome outcome;
    if (!text) {
      outcome.stopped = true;
      outcome.report.push_back(script + ": impossible de lire ce scénario");
    } else {
      try {
        outcome = ScenarioRunner(store->ConnectionForScript(), store->Client()).Run(script, *text);
      } catch (const std::exception& error) {
        outcome.stopped = true;
        outcome.report.push_back(script + ": " + error.what());
      }
    }
    for (const std::string& report : outcome.report)
      out << report << "\n";
    passed += outcome.passed;
    failed += outcome.failed;
    status = std::max(status, outcome.Status());
  }
  out << passed << " passed, " << failed << " failed\n";
  return status;
}

}  // namespace scenario
