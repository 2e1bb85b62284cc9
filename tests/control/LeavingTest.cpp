#include "ScreenTest.h"

namespace {

using LeavingTest = ScreenTest;

TEST_F(LeavingTest, CreationAsksOnlyAtLevelTwoAndNeverWrites) {
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

  auto& consulted = Open("A003", 1);
  consulted.Txt_SecteurAidant.UserType("012");
  consulted.Cmd_RetourSectorisation.UserClick();
  EXPECT_TRUE(Host().Messages().empty());
  EXPECT_TRUE(Host().Unloaded());
  EXPECT_EQ(store.Element("CIVILAIDANT", "A003", 31), "");
}

TEST_F(LeavingTest, UnchangedSectorisationLeavesWithoutAQuestion) {
  auto& c = Open("A001");
  c.Cmd_RetourSectorisation.UserClick();
  EXPECT_TRUE(Host().Messages().empty());
  EXPECT_EQ(c.W_SortirSectorisation, basis::True);
  EXPECT_TRUE(Host().Unloaded());
}

TEST_F(LeavingTest, AddedSectorIsSavedOnYesDroppedOnNoAndKeptOnScreenOnCancel) {
  const struct {
    forms::Answer answer;
    bool leaves;
    long storedSectors;
  } cases[] = {
      {forms::kAnswerCancel, false, 2}, {forms::kAnswerNo, true, 2}, {forms::kAnswerYes, true, 3}};
  for (const auto& expected : cases) {
    auto& c = Open("A001");
    AddSectors(c, {"Sud"});
    Host().QueueAnswer(expected.answer);
    c.Cmd_RetourSectorisation.UserClick();
    EXPECT_EQ(Host().BeepCount(), 1);
    EXPECT_EQ(Host().Unloaded(), expected.leaves) << expected.answer;
    ExpectOnlyMessage("Voulez-vous enregistrer les modifications apportées à cet article ?",
                      forms::kStyleYesNoCancelQuestion);
    EXPECT_EQ(store.Get("CIVILAIDANT", "A001")->DCount(43), expected.storedSectors);
  }
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 43, 3), "003");
}

TEST_F(LeavingTest, YesWithAMissingDistrictKeepsTheScreenOpen) {
  auto& c = Open("A001");
  c.Cbo_LibQuartierAidant.UserEdit("");
  Host().QueueAnswer(forms::kAnswerYes);
  c.Cmd_RetourSectorisation.UserClick();
  EXPECT_EQ(Host().Messages().back().text, "Vous devez choisir un quartier.");
  EXPECT_FALSE(Host().Unloaded());
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 33), "0010101");
}

TEST_F(LeavingTest, SameSectorsInAnotherOrderCountAsAChange) {
  auto& c = Open("A001");
  c.Lst_Sel.UserSelect({IndexOf(c.Lst_Sel, "Nord")});
  c.Cmd_Ote.UserClick();
  AddSectors(c, {"Nord"});
  Host().QueueAnswer(forms::kAnswerNo);
  c.Cmd_RetourSectorisation.UserClick();
  ExpectOnlyMessage("Voulez-vous enregistrer les modifications apportées à cet article ?",
                    forms::kStyleYesNoCancelQuestion);
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 43, 1), "002");
}

}  // namespace
