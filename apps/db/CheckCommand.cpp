#include "DbCommands.h"
#include "ReferenceCheck.h"

namespace {

class CheckCommand final : public DbCommand {
 public:
  explicit CheckCommand(CLI::App& command) : DbCommand(command) {}

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    const std::vector<std::string> problems = ReferenceCheck(connection).Problems();
    for (const std::string& problem : problems)
      streams.out << problem << "\n";
    return problems.empty() ? 0 : 1;
  }
};

}  // namespace

std::unique_ptr<DbCommand> MakeCheckCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<CheckCommand>(line.AddCommand(
      "check",
      "signale chaque référence qui ne mène à aucun enregistrement ; une au moins : "
      "statut 1"));
}
