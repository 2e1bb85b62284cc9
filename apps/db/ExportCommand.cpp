#include "DbCommands.h"
#include "dba/JsonLines.h"

namespace {

class ExportCommand final : public DbCommand {
 public:
  explicit ExportCommand(CLI::App& command) : DbCommand(command) {
    command.add_option("FICHIER", files_, "les fichiers à écrire (tous quand aucun n'est nommé)");
  }

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    dba::JsonLines::Export(connection, files_, streams.out);
    return 0;
  }

 private:
  std::vector<std::string> files_;
};

}  // namespace

std::unique_ptr<DbCommand> MakeExportCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<ExportCommand>(line.AddCommand(
      "export",
      "écrit les enregistrements en lignes JSON sur la sortie standard, fichier par fichier, "
      "dans l'ordre des clés"));
}
