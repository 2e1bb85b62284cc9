#include <gtest/gtest.h>

#include "CommitCuttingRelay.h"
#include "ControlHarness.h"
#include "ListEntries.h"
#include "PostgresServer.h"
#include "TestStore.h"
#include "basis/Error.h"

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

// A connection lost around a COMMIT leaves the client unable to tell whether it was
// kept: the store asks the server on a new connection instead of guessing either way.
TEST(LostServer, ACommitWhoseAnswerIsLostIsReportedAsTheServerKeptIt) {
  PostgresServer& server = PostgresServer::Shared();
  CommitCuttingRelay relay(server.SocketPath(), server.Port());
  TestStore store(server.Address(server.CreateDatabase(), relay.Folder()));

  relay.CutNextCommit(CommitCuttingRelay::Cut::kAfterTheServerCommitted);
  store.Put("SECTEUR", "004", {"Ouest"});
  EXPECT_EQ(store.Element("SECTEUR", "004", 1), "Ouest");

  relay.CutNextCommit(CommitCuttingRelay::Cut::kBeforeTheServerSawIt);
  try {
    store.Put("SECTEUR", "005", {"Est"});
    ADD_FAILURE() << "a commit the server never saw was reported as saved";
  } catch (const basis::Error& error) {
    EXPECT_EQ(error.Number(), basis::kDatabaseUnreachable) << error.Description();
  }
  EXPECT_EQ(store.Get("SECTEUR", "005"), nullptr);
}

}  // namespace
