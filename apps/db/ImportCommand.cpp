#include "DbCommands.h"
#include "common/JsonLinesFile.h"

namespace {

class ImportCommand final : public DbCommand {
 public:
  explicit ImportCommand(CLI::App& command) : DbCommand(command) {
    command.add_option("SOURCE", source_, "un fichier de lignes JSON, ou - pour l'entrée standard")
        ->required();
  }

  bool CreatesStore() const override { return true; }

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    ReportLoaded(streams.out, appsupport::JsonLinesFile::Load(connection, source_, streams.in));
    return 0;
  }

 private:
  std::string source_;
};

}  // namespace

std::unique_ptr<DbCommand> MakeImportCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<ImportCommand>(line.AddCommand(
      "import", "charge des lignes JSON, en créant les fichiers au besoin ; tout ou rien"));
}
