#include "DbCommands.h"
#include "RightsCommands.h"

namespace {

class ShowRightsCommand final : public DbCommand {
 public:
  explicit ShowRightsCommand(CLI::App& command) : DbCommand(command) {
    command.add_option("IDENTIFIANT", login_, "l'identifiant de connexion")->required();
  }

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    RightsCommands(connection, streams.out, streams.err).Show(login_);
    return 0;
  }

 private:
  std::string login_;
};

class GrantCommand final : public DbCommand {
 public:
  explicit GrantCommand(CLI::App& command) : DbCommand(command) {
    command
        .add_option("IDENTIFIANT", login_,
                    "l'identifiant, ou « * » pour tout identifiant "
                    "sans enregistrement propre")
        ->required();
    command.add_option("ÉCRAN", screen_, "la clé de l'écran, par exemple DOSAIDANTSECTEUR")
        ->required();
    command.add_option("NIVEAU", level_, "0, 1 : consultation ; 2 : modification")
        ->required()
        ->check(CLI::Validator(RightsCommands::LevelProblem, ""));
  }

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    RightsCommands(connection, streams.out, streams.err).Grant(login_, screen_, level_);
    return 0;
  }

 private:
  std::string login_;
  std::string screen_;
  std::string level_;
};

class RevokeCommand final : public DbCommand {
 public:
  explicit RevokeCommand(CLI::App& command) : DbCommand(command) {
    command.add_option("IDENTIFIANT", login_, "l'identifiant de connexion")->required();
    command.add_option("ÉCRAN", screen_, "la clé de l'écran")->required();
  }

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    RightsCommands(connection, streams.out, streams.err).Revoke(login_, screen_);
    return 0;
  }

 private:
  std::string login_;
  std::string screen_;
};

}  // namespace

std::unique_ptr<DbCommand> MakeRightsCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<ShowRightsCommand>(
      line.AddCommand("rights",
                      "affiche les droits d'un identifiant de connexion, et s'ils viennent de son "
                      "propre enregistrement ou de « * »"));
}

std::unique_ptr<DbCommand> MakeGrantCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<GrantCommand>(line.AddCommand("grant", "accorde un niveau sur un écran"));
}

std::unique_ptr<DbCommand> MakeRevokeCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<RevokeCommand>(
      line.AddCommand("revoke", "retire tout droit sur un écran (niveau 0)"));
}
