#include <gtest/gtest.h>

#include "ControlHarness.h"
#include "ListEntries.h"

namespace {

using Texts = std::vector<std::string>;

class SelectionListsTest : public ::testing::Test {
 protected:
  void SetUp() override { store.LoadStandardWorld(); }

  TestStore store;
  ControlHarness harness{store};
};

TEST_F(SelectionListsTest, StoredValuesShowInTheirOrderDuplicatesKeptUnknownSkipped) {
  std::vector<std::string> aidant(43);
  aidant[42] = TestStore::Values({"012", "099", "003", "012"});
  store.Put("CIVILAIDANT", "A010", aidant);
  Ctr_Sectorisation& c = harness.Open("A010");
  EXPECT_EQ(Entries(c.Lst_Sel), (Texts{"Écluse", "Sud", "Écluse"}));
  EXPECT_EQ(ItemDatas(c.Lst_Sel), (std::vector<long>{12, 3, 12}));
}

TEST_F(SelectionListsTest, AddCopiesEachSelectedLabelOnceRemoveTakesOutTheSelected) {
  Ctr_Sectorisation& c = harness.Open("A003");
  c.Lst_Pos.UserSelect({0, 2});
  c.Cmd_Ajoute.UserClick();
  c.Lst_Pos.UserSelect({0, 1});
  c.Lst_Pos.UserDblClick();
  EXPECT_EQ(Entries(c.Lst_Sel), (Texts{"Centre-ville", "Nord", "Écluse"}));
  EXPECT_EQ(ItemDatas(c.Lst_Sel), (std::vector<long>{1, 2, 12}));
  EXPECT_EQ(c.Lst_Pos.ListCount(), 4);
  EXPECT_FALSE(c.Lst_Pos.Selected(0) || c.Lst_Pos.Selected(1) || c.Lst_Pos.Selected(2));

  c.Cmd_Ote.UserClick();  // nothing selected
  EXPECT_EQ(c.Lst_Sel.ListCount(), 3);
  c.Lst_Sel.UserSelect({0, 2});
  c.Cmd_Ote.UserClick();
  c.Lst_Sel.UserSelect({0});
  c.Lst_Sel.UserDblClick();
  EXPECT_EQ(c.Lst_Sel.ListCount(), 0);
}

TEST_F(SelectionListsTest, AllReplacesTheSelectionWithEveryPossibleSector) {
  Ctr_Sectorisation& c = harness.Open("A001");
  ASSERT_EQ(Entries(c.Lst_Sel), (Texts{"Nord", "Écluse"}));
  c.Lst_Pos.UserSelect({1});
  c.Cmd_Tous.UserClick();
  EXPECT_EQ(Entries(c.Lst_Sel), Entries(c.Lst_Pos));
  EXPECT_EQ(ItemDatas(c.Lst_Sel), ItemDatas(c.Lst_Pos));
  EXPECT_TRUE(c.Lst_Pos.Selected(1));
}

TEST_F(SelectionListsTest, LockedSectorEntryChangesNothing) {
  std::vector<std::string> counter(45);
  counter[44] = "2";
  store.Put("COMPTEUR", "999", counter);
  Ctr_Sectorisation& c = harness.Open("A001");
  c.Lst_Pos.UserSelect({0, 3});
  c.Cmd_Ajoute.UserClick();
  c.Lst_Pos.UserDblClick();
  c.Lst_Sel.UserSelect({0, 1});
  c.Cmd_Ote.UserClick();
  c.Lst_Sel.UserDblClick();
  c.Cmd_Tous.UserClick();
  EXPECT_EQ(Entries(c.Lst_Sel), (Texts{"Nord", "Écluse"}));
  EXPECT_TRUE(c.Cmd_Ajoute.Enabled() && c.Cmd_Ote.Enabled() && c.Cmd_Tous.Enabled());
}

}  // namespace
