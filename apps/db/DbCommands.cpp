#include "DbCommands.h"

std::vector<std::unique_ptr<DbCommand>> MakeDbCommands(appsupport::ToolCommandLine& line) {
  std::vector<std::unique_ptr<DbCommand>> commands;
  for (const auto maker : {MakeCreateCommand, MakeImportCommand, MakeExportCommand, MakeShowCommand,
                           MakeDeleteCommand, MakeQueryCommand, MakeCheckCommand, MakeDemoCommand,
                           MakeRightsCommand, MakeGrantCommand, MakeRevokeCommand})
    commands.push_back(maker(line));
  return commands;
}
