#include "DbCommands.h"
#include "dba/Storage.h"

namespace {

class DeleteCommand final : public DbCommand {
 public:
  explicit DeleteCommand(CLI::App& command) : DbCommand(command) {
    command.add_option("FICHIER", file_, "le fichier")->required();
    command.add_option("CLÉ", key_, "la clé de l'enregistrement")->required();
  }

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    const auto file = connection.OpenFile(file_);
    // Read inside the transaction: a record another workstation removes meanwhile is
    // reported as missing rather than deleted twice.
    connection.GetStorage().WriteTransaction([&] {
      file->ReadRecord(key_);
      file->DeleteRecord(key_);
    });
    streams.out << "Enregistrement " << key_ << " de " << file_ << " supprimé.\n";
    return 0;
  }

 private:
  std::string file_;
  std::string key_;
};

}  // namespace

std::unique_ptr<DbCommand> MakeDeleteCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<DeleteCommand>(
      line.AddCommand("delete", "supprime un enregistrement ; introuvable : statut 1"));
}
