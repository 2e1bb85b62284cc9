#include "replay/ReplayTool.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>

#include "replay/ReplayStore.h"
#include "replay/ScenarioRunner.h"

namespace scenario {

namespace {

constexpr const char* kUsage =
    "usage : delvaro-replay [--db ADRESSE | --data FILE.jsonl ...] SCRIPT...\n"
    "Rejoue chaque scénario sur l'écran de sectorisation, sans affichage.\n"
    "  --db ADRESSE      une base de données existante, utilisée telle quelle : un\n"
    "                    fichier SQLite ou postgresql://utilisateur@serveur/base\n"
    "  --data FILE.jsonl des enregistrements JSON Lines, chargés dans une base neuve en\n"
    "                    mémoire pour chaque scénario (option répétable)\n"
    "Sans option : les données de démonstration, dans une base neuve pour chaque scénario.\n"
    "Statut : 0 tout est conforme, 1 une attente a échoué, 2 un scénario n'a pas pu être\n"
    "joué jusqu'au bout.\n";

struct Options {
  std::optional<std::string> database;
  std::vector<std::string> data;
  std::vector<std::string> scripts;
};

// Nothing when the command line is wrong; the reason is in problem.
std::optional<Options> ReadOptions(const std::vector<std::string>& arguments,
                                   std::string& problem) {
  Options options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.empty() || argument[0] != '-') {
      options.scripts.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--db" || argument == "--data") {
      if (i + 1 == arguments.size()) {
        problem = argument + " demande un fichier";
        return std::nullopt;
      }
      if (argument == "--db")
        options.database = arguments[++i];
      else
        options.data.push_back(arguments[++i]);
    } else {
      problem = "option inconnue : " + argument;
      return std::nullopt;
    }
  }
  if (options.database && !options.data.empty())
    problem = "--db et --data ne vont pas ensemble";
  else if (options.scripts.empty())
    problem = "aucun scénario";
  return problem.empty() ? std::optional(options) : std::nullopt;
}

bool ReadScript(const std::string& path, std::string& text) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  if (!file || !(content << file.rdbuf()))
    return false;
  text = content.str();
  return true;
}

}  // namespace

int RunReplayTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << kUsage;
    return 0;
  }
  std::string problem;
  const std::optional<Options> options = ReadOptions(arguments, problem);
  if (!options) {
    err << "delvaro-replay : " << problem << "\n" << kUsage;
    return 2;
  }
  std::optional<ReplayStore> store;
  try {
    store = options->database       ? ReplayStore::FromDatabase(*options->database)
            : options->data.empty() ? ReplayStore::Demo()
                                    : ReplayStore::FromData(options->data);
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
  for (const std::string& script : options->scripts) {
    std::string text;
    ScenarioOutcome outcome;
    if (!ReadScript(script, text)) {
      outcome.stopped = true;
      outcome.report.push_back(script + ": impossible de lire ce scénario");
    } else {
      try {
        outcome = ScenarioRunner(store->ConnectionForScript(), store->Client()).Run(script, text);
      } catch (const std::exception& error) {
        outcome.stopped = true;
        outcome.report.push_back(script + ": " + error.what());
      }
    }
    for (const std::string& line : outcome.report)
      out << line << "\n";
    passed += outcome.passed;
    failed += outcome.failed;
    status = std::max(status, outcome.Status());
  }
  out << passed << " passed, " << failed << " failed\n";
  return status;
}

}  // namespace scenario
