#include <gtest/gtest.h>

#include <sstream>

#include "DbTool.h"
#include "PostgresServer.h"
#include "StoreTestSupport.h"

namespace {

std::string Tool(const std::vector<std::string>& arguments, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  EXPECT_EQ(DbTool(in, out, err).Run(arguments), 0) << err.str();
  return out.str();
}

// delvaro-db --db office.db export | delvaro-db --db postgresql://... import -
TEST(Migration, AnOfficeMovesFromAFileToTheServerAndExportsTheSameBytes) {
  ScratchFolder folder;
  const std::string file = folder.File("office.db");
  PostgresServer& server = PostgresServer::Shared();
  const std::string address = server.Address(server.CreateDatabase());
  Tool({"--db", file, "demo"});
  const std::string exported = Tool({"--db", file, "export"});
  Tool({"--db", address, "import", "-"}, exported);
  EXPECT_EQ(Tool({"--db", address, "export"}), exported);
}

}  // namespace
