// Rights on a PostgreSQL server set up with docs/postgresql/roles.sql: the login is the
// server's session user, a consultation role's save is refused by the server, and only
// administrators change the rights file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ControlHarness.h"
#include "ListEntries.h"
#include "PostgresServer.h"
#include "basis/Error.h"
#include "rights/RightsStore.h"
#include "rights/SessionLogin.h"

namespace {

constexpr const char* kFile = rights::RightsStore::kFile;

class ServerRightsTest : public ::testing::Test {
 protected:
  ServerRightsTest() {
    store.LoadStandardWorld();
    store.Connection()->CreateFile(kFile);
    store.Put(kFile, "*", {kScreenKey, "2"});
    std::ifstream script(DELVARO_ROLES_SCRIPT);
    std::ostringstream text;
    text << script.rdbuf();
    server_.Execute(database_, text.str());
  }

  // A person's login in one of the office's groups, as it connects through the server.
  std::string Login(const std::string& person) const { return person + "_" + database_; }
  std::shared_ptr<dba::DatabaseConnection> ConnectAs(const std::string& person,
                                                     const std::string& group) {
    server_.Execute(database_, "CREATE ROLE " + Login(person) + " LOGIN IN ROLE " + group);
    std::string address = server_.Address(database_);
    address.replace(address.rfind("user=") + 5, std::string::npos, Login(person));
    return store.Client()->Connect(address);
  }

  PostgresServer& server_ = PostgresServer::Shared();
  const std::string database_ = server_.CreateDatabase();
  TestStore store{server_.Address(database_)};
  std::ostringstream warnings;
};

TEST_F(ServerRightsTest, TheRightsAreThoseOfTheServersSessionUserNotOfTheWorkstation) {
  store.Put(kFile, Login("marie"), {kScreenKey, "1"});
  store.Put(kFile, rights::OperatingSystemLogin(), {kScreenKey, "0"});
  const auto marie = ConnectAs("marie", "delvaro_personnel");
  EXPECT_EQ(rights::SessionLogin(*marie), Login("marie"));
  EXPECT_EQ(rights::RightsStore(*marie)
                .Load(rights::SessionLogin(*marie), warnings)
                ->RightsFor(kScreenKey)
                ->AccessLevel(),
            1);
}

// The rights file says 2, the server says read only: the server wins.
TEST_F(ServerRightsTest, AConsultationRolesSaveIsRefusedByTheServerAndTheScreenStaysOpen) {
  const auto paul = ConnectAs("paul", "delvaro_consultation");
  ControlHarness harness(store, rights::RightsStore(*paul).Load(Login("paul"), warnings));
  Ctr_Sectorisation& c = harness.Create();
  c.TheDatabase(paul);
  c.TheClient(store.Client());
  c.DroitsUtilisateur(harness.Rights());
  c.W_Code = "A001";
  c.Init();
  c.Cbo_LibMoyLocAidant.UserPick(IndexOf(c.Cbo_LibMoyLocAidant, "À pied"));
  c.Cmd_OkSectorisation.UserClick();

  const auto messages = harness.Host().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].text.find("permission refusée (42501 "), std::string::npos)
      << messages[0].text;
  EXPECT_FALSE(harness.Host().Unloaded());
  EXPECT_EQ(c.W_SortirSectorisation, basis::False);
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 34), "2");
}

TEST_F(ServerRightsTest, OnlyAdministratorsChangeTheRightsFileStaffChangeTheRest) {
  const auto marie = ConnectAs("marie", "delvaro_personnel");
  const auto chef = ConnectAs("chef", "delvaro_administration");
  marie->OpenFile("SECTEUR")->WriteRecord("099", dba::DynamicArray("Nouveau"));
  for (const auto& change : std::initializer_list<std::function<void()>>{
           [&] { rights::RightsStore(*marie).Grant(Login("marie"), "AUTRE", 2); },
           [&] { rights::RightsStore(*marie).Grant("*", "AUTRE", 2); },
           [&] { marie->OpenFile(kFile)->DeleteRecord("*"); }}) {
    try {
      change();
      ADD_FAILURE() << "the staff changed the rights";
    } catch (const basis::Error& error) {
      EXPECT_NE(error.Description().find("seuls les administrateurs"), std::string::npos)
          << error.Description();
    }
  }
  EXPECT_EQ(store.Get(kFile, Login("marie")), nullptr);
  EXPECT_EQ(store.Element(kFile, "*", 1), kScreenKey);

  rights::RightsStore(*chef).Grant(Login("marie"), "AUTRE", 2);
  EXPECT_EQ(store.Element(kFile, Login("marie"), 1), TestStore::Values({kScreenKey, "AUTRE"}));
}

}  // namespace
