// The control with rights read from the store: the stored level decides what the user
// may do.
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

}  // namespace
