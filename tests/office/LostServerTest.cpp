#include <gtest/gtest.h>

#include "ControlHarness.h"
#include "ListEntries.h"
#include "PostgresServer.h"
#include "TestStore.h"

namespace {

// The server goes away between opening the screen and saving: nothing is lost, and the
// save succeeds once the server is back. The server is this test's own, since stopping
// the shared one would fail the tests running beside it.
TEST(LostServer, OkWhileTheServerIsDownKeepsTheScreenAndSucceedsOnceItIsBack) {
  const std::unique_ptr<PostgresServer> server = PostgresServer::Start();
  TestStore store(server->Address(server->CreateDatabase()));
  store.LoadStandardWorld();
  ControlHarness harness(store);
  Ctr_Sectorisation& c = harness.Open("A001");
  c.Cbo_LibMoyLocAidant.UserPick(IndexOf(c.Cbo_LibMoyLocAidant, "À pied"));

  server->Stop();
  c.Cmd_OkSectorisation.UserClick();
  const auto messages = harness.Host().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].text.find("La base de données est injoignable : "), std::string::npos)
      << messages[0].text;
  EXPECT_NE(messages[0].text.find("vos modifications n'ont pas été enregistrées."),
            std::string::npos)
      << messages[0].text;
  EXPECT_FALSE(harness.Host().Unloaded());
  EXPECT_EQ(c.Cbo_LibMoyLocAidant.Text(), "À pied");

  server->Restart();
  harness.Host().ClearEvents();
  c.Cmd_OkSectorisation.UserClick();
  EXPECT_TRUE(harness.Host().Messages().empty());
  EXPECT_TRUE(harness.Host().Unloaded());
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 34), "4");
}

}  // namespace
