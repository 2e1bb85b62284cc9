#include "DbCommands.h"
#include "common/DemoData.h"

namespace {

class DemoCommand final : public DbCommand {
 public:
  explicit DemoCommand(CLI::App& command) : DbCommand(command) {}

  bool CreatesStore() const override { return true; }

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    ReportLoaded(streams.out, appsupport::DemoData::Load(connection));
    return 0;
  }
};

}  // namespace

std::unique_ptr<DbCommand> MakeDemoCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<DemoCommand>(
      line.AddCommand("demo", "charge les données de démonstration"));
}
