// The control with rights read from the store: the stored level decides what the user
// may do, and the control's own use of the level is the same as with rights in memory.
#include <gtest/gtest.h>

#include <sstream>

#include "ControlHarness.h"
#include "rights/RightsStore.h"

namespace {

constexpr const char* kFile = rights::RightsStore::kFile;

class RightsOnScreenTest : public ::testing::Test {
 protected:
  RightsOnScreenTest() {
    store.LoadStandardWorld();
    store.Connection()->CreateFile(kFile);
    store.Put(kFile, "*", {kScreenKey, "2"});
    store.Put(kFile, "lecteur", {kScreenKey, "1"});
    store.Put(kFile, "ailleurs", {"AUTREECRAN", "2"});
  }

  std::shared_ptr<rights::UserRights> RightsOf(const std::string& login) {
    return rights::RightsStore(*store.Connection()).Load(login, warnings);
  }

  TestStore store;
  std::ostringstream warnings;
};

TEST_F(RightsOnScreenTest, OkIsShownOnlyToALoginTheStoreLetsModify) {
  const struct {
    const char* login;
    bool mayModify;
  } cases[] = {{"quelqu'un", true}, {"lecteur", false}, {"ailleurs", false}};
  for (const auto& c : cases) {
    ControlHarness harness(store, RightsOf(c.login));
    EXPECT_EQ(harness.Open("A001").Cmd_OkSectorisation.Visible(), c.mayModify) << c.login;
  }
}

TEST_F(RightsOnScreenTest, LockedEntryLowersTheStoredLevelToOneUntilTheControlEnds) {
  store.SetCounter("2");
  ControlHarness harness(store, RightsOf("quelqu'un"));
  harness.Open("A003");
  EXPECT_EQ(harness.Screen().AccessLevel(), 1);
  harness.Close();
  EXPECT_EQ(harness.Screen().AccessLevel(), 2);
  EXPECT_EQ(store.Element(kFile, "*", 2), "2") << "the stored rights are never lowered";
}

}  // namespace
