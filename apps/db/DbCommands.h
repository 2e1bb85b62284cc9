#pragma once

#include <memory>
#include <vector>

#include "DbCommand.h"
#include "common/ToolCommandLine.h"

// The commands of delvaro-db, each declared on line. Adding one: a file of its own that
// defines its maker, and its maker in this list and in DbCommands.cpp.
std::unique_ptr<DbCommand> MakeCreateCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeImportCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeExportCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeShowCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeDeleteCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeQueryCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeCheckCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeDemoCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeRightsCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeGrantCommand(appsupport::ToolCommandLine& line);
std::unique_ptr<DbCommand> MakeRevokeCommand(appsupport::ToolCommandLine& line);

// Every command above, in the order the help lists them.
std::vector<std::unique_ptr<DbCommand>> MakeDbCommands(appsupport::ToolCommandLine& line);
