#include "DbCommands.h"
#include "dba/RecordJson.h"

namespace {

class ShowCommand final : public DbCommand {
 public:
  explicit ShowCommand(CLI::App& command) : DbCommand(command) {
    command.add_option("FICHIER", file_, "le fichier")->required();
    command.add_option("CLÉ", key_, "la clé de l'enregistrement")->required();
  }

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    const auto record = connection.OpenFile(file_)->ReadRecord(key_);
    streams.out << dba::RecordJson::Format(file_, key_, record->Text()) << "\n";
    return 0;
  }

 private:
  std::string file_;
  std::string key_;
};

}  // namespace

std::unique_ptr<DbCommand> MakeShowCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<ShowCommand>(
      line.AddCommand("show", "affiche un enregistrement sur une ligne JSON"));
}
