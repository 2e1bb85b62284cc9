#include "ScreenTest.h"

namespace {

constexpr const char* kSaveQuestion =
    "Voulez-vous enregistrer les modifications apportées à cet article ?";

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
  EXPECT_EQ(store.Element("CIVILAIDANT", "A003", 31), "");
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
  EXPECT_EQ(store.Get("CIVILAIDANT", "A010")->Text(), store.Get("CIVILAIDANT", "EXPECTED")->Text());
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
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 34), "3");

  // The clash gone, a check that passed once must not let a missing district through.
  otherUser("2");
  Host().ClearEvents();
  c.Cbo_LibQuartierAidant.UserEdit("");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage("Vous devez choisir un quartier.");
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 34), "2");
}

TEST_F(SavingTest, LeavingACreationAsksOnlyAtLevelTwoAndNeverWrites) {
  auto& c = Open("A003");
  c.Txt_SecteurAidant.UserType("012");
  Host().QueueAnswer(forms::kAnswerNo);
  c.Cmd_RetourSectorisation.UserClick();
  EXPECT_FALSE(Host().Unloaded());
  ExpectOnlyMessage("Etes-vous sûr de vouloir quitter cette création ?",
                    forms::kStyleYesNoQuestion);
  Host().QueueAnswer(forms::kAnswerYes);
  c.Cmd_RetourSectorisation.UserClick();
  EXPECT_EQ(c.W_SortirSectorisation, basis::True);

  auto& reader = Open("A003", 1);
  reader.Txt_SecteurAidant.UserType("012");
  reader.Cmd_RetourSectorisation.UserClick();
  EXPECT_TRUE(Host().Messages().empty() && Host().Unloaded());
  EXPECT_EQ(store.Element("CIVILAIDANT", "A003", 31), "");
}

TEST_F(SavingTest, LeavingAsksOnlyForAChangeEvenOneOfOrder) {
  Open("A001").Cmd_RetourSectorisation.UserClick();
  EXPECT_TRUE(Host().Messages().empty() && Host().Unloaded());

  auto& c = Open("A001");
  c.Lst_Sel.UserSelect({IndexOf(c.Lst_Sel, "Nord")});
  c.Cmd_Ote.UserClick();
  AddSectors(c, {"Nord"});
  Host().QueueAnswer(forms::kAnswerNo);
  c.Cmd_RetourSectorisation.UserClick();
  ExpectOnlyMessage(kSaveQuestion, forms::kStyleYesNoCancelQuestion);
}

TEST_F(SavingTest, AddedSectorIsSavedOnYesDroppedOnNoAndKeptOnScreenOnCancel) {
  const std::tuple<forms::Answer, bool, std::string> cases[] = {
      {forms::kAnswerCancel, false, TestStore::Values({"002", "012"})},
      {forms::kAnswerNo, true, TestStore::Values({"002", "012"})},
      {forms::kAnswerYes, true, TestStore::Values({"002", "012", "003"})}};
  for (const auto& [answer, leaves, stored] : cases) {
    auto& c = Open("A001");
    AddSectors(c, {"Sud"});
    Host().QueueAnswer(answer);
    c.Cmd_RetourSectorisation.UserClick();
    EXPECT_EQ(Host().BeepCount(), 1);
    EXPECT_EQ(Host().Unloaded(), leaves) << answer;
    ExpectOnlyMessage(kSaveQuestion, forms::kStyleYesNoCancelQuestion);
    EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 43), stored) << answer;
  }
}

TEST_F(SavingTest, YesWithAMissingDistrictKeepsTheScreenOpen) {
  auto& c = Open("A001");
  c.Cbo_LibQuartierAidant.UserEdit("");
  Host().QueueAnswer(forms::kAnswerYes);
  c.Cmd_RetourSectorisation.UserClick();
  EXPECT_EQ(Host().Messages().back().text, "Vous devez choisir un quartier.");
  EXPECT_FALSE(Host().Unloaded());
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 33), "0010101");
}

}  // namespace
