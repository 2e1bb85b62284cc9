#include "ScreenTest.h"

namespace {

using SavingTest = ScreenTest;

TEST_F(SavingTest, OnlyTheFirstMissingChoiceIsReportedAndNothingIsWritten) {
  auto& c = Open("A003");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage("Vous devez choisir un secteur.");
  c.Txt_SecteurAidant.UserType("001");
  c.Txt_SousSecteurAidant.UserType("01");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage("Vous devez choisir un quartier.");
  EXPECT_FALSE(Host().Unloaded());
  EXPECT_EQ(c.W_SortirSectorisation, basis::False);
  EXPECT_EQ(Stored("A003", 31), "");
}

TEST_F(SavingTest, OkWritesTheChoicesAndTheSelectedSectorsInListOrderAndKeepsTheRest) {
  store.Put("SECTEUR", "017", {"Ouest"});
  store.Put("SECTEUR", "120", {"Plateau"});
  // clang-format off
  std::map<long, std::string> aidant = {{2, "DURAND"}, {5, TestStore::Values({"x", "y"})},
      {31, "001"}, {32, "00101"}, {33, "0010101"}, {34, "2"}, {35, "010001"},
      {43, TestStore::Values({"001", "002", "003", "012", "002"})}, {50, "fin"}};
  // clang-format on
  store.PutAidant("A010", aidant);
  auto& c = Open("A010");
  c.Lst_Sel.UserSelect({0, 1, 2, 3, 4});
  c.Cmd_Ote.UserClick();
  AddSectors(c, {"Sud", "Ouest", "Plateau"});
  Pick(c.Cbo_LibMoyLocAidant, "À pied");
  c.Cmd_OkSectorisation.UserClick();

  EXPECT_TRUE(c.UserControl.BusyUntilIdle());
  EXPECT_TRUE(Host().Unloaded());
  EXPECT_EQ(c.W_SortirSectorisation, basis::True);
  aidant[34] = "4";
  aidant[43] = TestStore::Values({"003", "017", "120"});
  store.PutAidant("EXPECTED", aidant);
  EXPECT_EQ(Stored("A010"), Stored("EXPECTED"));
}

// Another user changes the means of transport while the screen is open.
TEST_F(SavingTest, RefusedWriteKeepsTheScreenOpenAndALaterMissingChoiceStillStopsOk) {
  auto& c = Open("A001");
  auto otherUser = [this](const std::string& transport) {
    auto record = store.Get("CIVILAIDANT", "A001");
    record->Replace(34, transport);
    record->DBWrite();
  };
  otherUser("3");
  Pick(c.Cbo_LibMoyLocAidant, "À pied");
  c.Cmd_OkSectorisation.UserClick();
  EXPECT_FALSE(Host().Unloaded());
  ASSERT_EQ(Host().Messages().size(), 1u);
  EXPECT_EQ(Host().Messages()[0].style, forms::kStyleError);
  EXPECT_EQ(Stored("A001", 34), "3");

  // The clash gone, a check that passed once must not let a missing district through.
  otherUser("2");
  Host().ClearEvents();
  c.Cbo_LibQuartierAidant.UserEdit("");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage("Vous devez choisir un quartier.");
  EXPECT_EQ(Stored("A001", 34), "2");
}

TEST_F(SavingTest, LeavingACreationAsksOnlyAtLevelTwoAndNeverWrites) {
  auto& c = Open("A003");
  c.Txt_SecteurAidant.UserType("012");
  Retour(c, forms::kAnswerNo);
  EXPECT_FALSE(Host().Unloaded());
  ExpectCreationQuestion();
  Retour(c, forms::kAnswerYes);
  EXPECT_EQ(c.W_SortirSectorisation, basis::True);

  auto& reader = Open("A003", 1);
  reader.Txt_SecteurAidant.UserType("012");
  reader.Cmd_RetourSectorisation.UserClick();
  EXPECT_TRUE(Host().Messages().empty() && Host().Unloaded());
  EXPECT_EQ(Stored("A003", 31), "");
}

// A change of order alone is a change. What each answer does is played in the Qt and
// replay tests.
TEST_F(SavingTest, RetourAsksForAnyChangeEvenOneOfOrder) {
  auto& c = Open("A001");
  c.Lst_Sel.UserSelect({IndexOf(c.Lst_Sel, "Nord")});
  c.Cmd_Ote.UserClick();
  AddSectors(c, {"Nord"});
  Retour(c, forms::kAnswerNo);
  EXPECT_EQ(Host().BeepCount(), 1);
  EXPECT_TRUE(Host().Unloaded());
  ExpectSaveQuestion();
  EXPECT_EQ(Stored("A001", 43), TestStore::Values({"002", "012"}));
}

}  // namespace
