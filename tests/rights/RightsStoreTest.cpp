// The rights file of the record store: which record applies to a login, what damaged
// entries grant, how grant and revoke change one screen, and who the login is.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "TestStore.h"
#include "basis/Error.h"
#include "rights/RightsStore.h"
#include "rights/SessionLogin.h"

namespace {

constexpr const char* kScreen = "DOSAIDANTSECTEUR";
constexpr const char* kFile = rights::RightsStore::kFile;

class RightsStoreTest : public ::testing::Test {
 protected:
  RightsStoreTest() { store.Connection()->CreateFile(kFile); }

  void PutRights(const std::string& login, std::initializer_list<std::string> screens,
                 std::initializer_list<std::string> levels) {
    store.Put(kFile, login, {TestStore::Values(screens), TestStore::Values(levels)});
  }

  // The level login gets on screen; warnings then holds what was reported.
  std::int32_t LevelOf(const std::string& login, const std::string& screen = kScreen) {
    warnings.str("");
    return rightsStore.Load(login, warnings)->RightsFor(screen)->AccessLevel();
  }

  TestStore store;
  rights::RightsStore rightsStore{*store.Connection()};
  std::ostringstream warnings;
};

TEST_F(RightsStoreTest,
       ALoginsOwnRecordReplacesTheDefaultWholeAndWithNoRecordEveryScreenIsReadOnly) {
  PutRights("*", {kScreen, "AUTRE"}, {"2", "2"});
  PutRights("alice", {kScreen}, {"1"});
  EXPECT_EQ(LevelOf("alice"), 1);
  EXPECT_EQ(LevelOf("alice", "AUTRE"), 0) << "the default does not fill in";
  EXPECT_EQ(LevelOf("bruno"), 2);
  EXPECT_EQ(LevelOf("bruno", "AUTRE"), 2);
  EXPECT_EQ(LevelOf("bruno", "INCONNU"), 0);
  EXPECT_EQ(warnings.str(), "");
  EXPECT_EQ(rightsStore.Find("alice").recordKey, "alice");
  EXPECT_EQ(rightsStore.Find("bruno").recordKey, "*");
  EXPECT_EQ(rightsStore.Find("Alice").recordKey, "*") << "logins compare exactly";
  // With no applying record every screen is read-only, and that is said.
  store.Remove(kFile, "*");
  EXPECT_EQ(LevelOf("bruno"), 0);
  EXPECT_NE(warnings.str().find("aucun droit enregistré pour « bruno »"), std::string::npos);
}

TEST_F(RightsStoreTest, WithoutTheRightsFileNothingAppliesUntilAGrantMakesIt) {
  TestStore withoutFile;
  rights::RightsStore noFile(*withoutFile.Connection());
  EXPECT_EQ(noFile.Find("alice").recordKey, "");
  noFile.Grant("*", kScreen, 2);
  EXPECT_EQ(noFile.Load("alice", warnings)->RightsFor(kScreen)->AccessLevel(), 2);
}

TEST_F(RightsStoreTest, DamagedRightsNeverGrantMoreThanTheLowestLevelReadAndAreReported) {
  const struct {
    const char* damage;
    std::initializer_list<std::string> screens, levels;
    std::int32_t level;
  } cases[] = {
      {"a word", {kScreen}, {"deux"}, 0},
      {"blanks around", {kScreen}, {" 2"}, 0},
      {"a decimal", {kScreen}, {"2.0"}, 0},
      {"above 2", {kScreen}, {"3"}, 0},
      {"wrapping to 2 in 32 bits", {kScreen}, {"4294967298"}, 0},
      {"negative", {kScreen}, {"-2"}, 0},
      {"subvalues", {kScreen}, {"2\3742"}, 0},
      {"more screens than levels", {"AUTRE", kScreen}, {"2"}, 0},
      {"an empty level", {kScreen, "AUTRE"}, {"", "2"}, 0},
      {"named twice", {kScreen, kScreen}, {"2", "1"}, 1},
      {"named twice, once damaged", {kScreen, kScreen}, {"2", "x"}, 0},
      {"more levels than screens", {kScreen}, {"2", "2"}, 2},
      {"a level naming no screen", {"", kScreen}, {"2", "2"}, 2},
  };
  for (const auto& c : cases) {
    PutRights("*", c.screens, c.levels);
    EXPECT_EQ(LevelOf("alice"), c.level) << c.damage;
    EXPECT_NE(warnings.str().find("droits de « alice » (enregistrement « * »"), std::string::npos)
        << c.damage << ": " << warnings.str();
  }
}

TEST_F(RightsStoreTest, GrantAndRevokeChangeOneScreenOfALoginStartingFromTheDefault) {
  PutRights("*", {kScreen, "AUTRE"}, {"2", "1"});
  rightsStore.Grant("alice", kScreen, 1);
  EXPECT_EQ(LevelOf("alice"), 1);
  EXPECT_EQ(LevelOf("alice", "AUTRE"), 1) << "the rest of the default is kept";
  EXPECT_EQ(LevelOf("bruno"), 2) << "the others keep the default";

  EXPECT_TRUE(rightsStore.Revoke("bruno", "AUTRE"));
  EXPECT_EQ(LevelOf("bruno", "AUTRE"), 0);
  EXPECT_EQ(LevelOf("bruno"), 2);
  EXPECT_FALSE(rightsStore.Revoke("bruno", "AUTRE"));
  EXPECT_FALSE(rightsStore.Revoke("chloé", "INCONNU"));
  EXPECT_EQ(store.Get(kFile, "chloé"), nullptr) << "nothing to revoke writes nothing";

  // Revoking everything keeps an empty record of its own: the default does not come back.
  rightsStore.Revoke("alice", kScreen);
  rightsStore.Revoke("alice", "AUTRE");
  EXPECT_EQ(LevelOf("alice", "AUTRE"), 0);
  EXPECT_EQ(rightsStore.Find("alice").recordKey, "alice");

  rightsStore.Grant("*", "NOUVEAU", 2);
  EXPECT_EQ(LevelOf("denis", "NOUVEAU"), 2);
  EXPECT_EQ(LevelOf("alice", "NOUVEAU"), 0);
}

TEST_F(RightsStoreTest, GrantMendsTheScreenItNamesKeepsTheRestAsStoredAndRefusesBadInput) {
  store.Put(kFile, "alice",
            {TestStore::Values({kScreen, "AUTRE", kScreen}), TestStore::Values({"x", "deux", "2"}),
             "note"});
  rightsStore.Grant("alice", kScreen, 1);
  EXPECT_EQ(store.Element(kFile, "alice", 1), TestStore::Values({kScreen, "AUTRE"}));
  EXPECT_EQ(store.Element(kFile, "alice", 2), TestStore::Values({"1", "deux"}));
  EXPECT_EQ(store.Element(kFile, "alice", 3), "note");

  const std::string before = store.Get(kFile, "alice")->Text();
  EXPECT_THROW(rightsStore.Grant("alice", kScreen, 3), basis::Error);
  EXPECT_THROW(rightsStore.Grant("alice", "A\375B", 2), basis::Error);
  EXPECT_THROW(rightsStore.Grant("", kScreen, 2), basis::Error);
  EXPECT_EQ(store.Get(kFile, "alice")->Text(), before);
}

// The environment is the user's to set; the login of an embedded file is not.
TEST(SessionLoginTest, AnEmbeddedFileTakesTheSystemLoginWhichTheEnvironmentDoesNotChange) {
  TestStore store;
  const std::string login = rights::SessionLogin(*store.Connection());
  EXPECT_FALSE(login.empty());
  const char* user = std::getenv("USER");
  const std::string saved = user != nullptr ? user : "";
  setenv("USER", "intrus", 1);
  EXPECT_EQ(rights::SessionLogin(*store.Connection()), login);
  user != nullptr ? setenv("USER", saved.c_str(), 1) : unsetenv("USER");
}

}  // namespace
