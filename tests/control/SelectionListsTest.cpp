#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlHarness.h"
#include "ListEntries.h"

namespace {

using Texts = std::vector<std::string>;

class SelectionListsTest : public ::testing::Test {
 protected:
  void SetUp() override { store.LoadStandardWorld(); }

  // An aidant without sectorisation whose attribute 43 holds these values.
  void PutAidantWithSelection(const std::string& code, std::initializer_list<std::string> values) {
    std::vector<std::string> attributes(43);
    attributes[1] = "BLANC";
    attributes[42] = TestStore::Values(values);
    store.Put("CIVILAIDANT", code, attributes);
  }

  void LockSectorEntry() {
    std::vector<std::string> counter(45);
    counter[44] = "2";
    store.Put("COMPTEUR", "999", counter);
  }

  TestStore store;
  ControlHarness harness{store};
};

TEST_F(SelectionListsTest, RecordValuesAreShownInTheirOrderDuplicatesKeptUnknownSkipped) {
  PutAidantWithSelection("A010", {"012", "099", "003", "012"});
  Ctr_Sectorisation& control = harness.Open("A010");
  EXPECT_EQ(Entries(control.Lst_Sel), (Texts{"Écluse", "Sud", "Écluse"}));
  EXPECT_EQ(ItemDatas(control.Lst_Sel), (std::vector<long>{12, 3, 12}));
}

TEST_F(SelectionListsTest, AddingCopiesEachSelectedLabelOnceAndDeselects) {
  Ctr_Sectorisation& control = harness.Open("A003");
  control.Lst_Pos.UserSelect({0, 2});
  control.Cmd_Ajoute.UserClick();
  EXPECT_EQ(Entries(control.Lst_Sel), (Texts{"Centre-ville", "Nord"}));
  EXPECT_EQ(ItemDatas(control.Lst_Sel), (std::vector<long>{1, 2}));
  EXPECT_FALSE(control.Lst_Sel.Selected(0) || control.Lst_Sel.Selected(1));

  control.Lst_Pos.UserSelect({0, 1});
  control.Lst_Pos.UserDblClick();
  EXPECT_EQ(Entries(control.Lst_Sel), (Texts{"Centre-ville", "Nord", "Écluse"}));
  EXPECT_EQ(Entries(control.Lst_Pos).size(), 4u) << "a chosen sector stays possible";
  for (int i = 0; i < control.Lst_Pos.ListCount(); ++i)
    EXPECT_FALSE(control.Lst_Pos.Selected(i));
}

TEST_F(SelectionListsTest, RemovingTakesOutTheSelectedEntriesOnly) {
  Ctr_Sectorisation& control = harness.Open("A003");
  control.Cmd_Tous.UserClick();
  control.Lst_Sel.UserSelect({});
  control.Cmd_Ote.UserClick();
  EXPECT_EQ(control.Lst_Sel.ListCount(), 4);

  control.Lst_Sel.UserSelect({1, 3});
  control.Cmd_Ote.UserClick();
  EXPECT_EQ(Entries(control.Lst_Sel), (Texts{"Centre-ville", "Nord"}));
  control.Lst_Sel.UserSelect({0});
  control.Lst_Sel.UserDblClick();
  EXPECT_EQ(Entries(control.Lst_Sel), (Texts{"Nord"}));
}

TEST_F(SelectionListsTest, AllReplacesTheSelectionWithEveryPossibleSector) {
  Ctr_Sectorisation& control = harness.Open("A001");
  ASSERT_EQ(Entries(control.Lst_Sel), (Texts{"Nord", "Écluse"}));
  control.Lst_Pos.UserSelect({1});
  control.Cmd_Tous.UserClick();
  EXPECT_EQ(Entries(control.Lst_Sel), Entries(control.Lst_Pos));
  EXPECT_EQ(ItemDatas(control.Lst_Sel), ItemDatas(control.Lst_Pos));
  EXPECT_TRUE(control.Lst_Pos.Selected(1)) << "the possible sectors' selection is not touched";
}

TEST_F(SelectionListsTest, LockedSectorEntryChangesNothing) {
  LockSectorEntry();
  Ctr_Sectorisation& control = harness.Open("A001");
  const Texts stored = {"Nord", "Écluse"};
  ASSERT_EQ(Entries(control.Lst_Sel), stored);

  control.Lst_Pos.UserSelect({0, 3});
  control.Cmd_Ajoute.UserClick();
  control.Lst_Pos.UserDblClick();
  control.Lst_Sel.UserSelect({0, 1});
  control.Cmd_Ote.UserClick();
  control.Lst_Sel.UserDblClick();
  control.Cmd_Tous.UserClick();

  EXPECT_EQ(Entries(control.Lst_Sel), stored);
  EXPECT_TRUE(control.Cmd_Ajoute.Enabled() && control.Cmd_Ote.Enabled() &&
              control.Cmd_Tous.Enabled());
  EXPECT_TRUE(harness.Host().Messages().empty());
}

}  // namespace
