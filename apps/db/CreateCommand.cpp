#include "DbCommands.h"
#include "dba/Storage.h"

namespace {

class CreateCommand final : public DbCommand {
 public:
  explicit CreateCommand(CLI::App& command) : DbCommand(command) {
    command.add_option("FICHIER", files_, "les fichiers à créer")->required();
  }

  bool CreatesStore() const override { return true; }

  int Run(dba::DatabaseConnection& connection, const ToolStreams&) override {
    connection.GetStorage().WriteTransaction([&] {
      for (const std::string& file : files_)
        connection.CreateFile(file);
    });
    return 0;
  }

 private:
  std::vector<std::string> files_;
};

}  // namespace

std::unique_ptr<DbCommand> MakeCreateCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<CreateCommand>(line.AddCommand("create", "crée des fichiers vides"));
}
