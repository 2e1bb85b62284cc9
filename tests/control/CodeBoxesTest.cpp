#include "ScreenTest.h"

namespace {

using CodeBoxesTest = ScreenTest;

TEST_F(CodeBoxesTest, ShortCodesAreFilledWithZerosAndSoughtUnderTheParentBoxes) {
  auto& c = Open("A003");
  c.Txt_SecteurAidant.UserType("1");
  c.Txt_SecteurAidant.UserKeyPress(13);
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "001");
  EXPECT_EQ(c.Cbo_LibSecteurAidant.Text(), "Centre-ville");
  // Three sub-sectors: the list is filled and the choice left to the user.
  EXPECT_EQ(c.Cbo_LibSousSecteurAidant.ListCount(), 3);
  EXPECT_EQ(c.Txt_SousSecteurAidant.Text(), "");
  EXPECT_TRUE(c.Cbo_LibSousSecteurAidant.Enabled());
  c.Txt_SousSecteurAidant.UserType("5");
  c.Txt_SousSecteurAidant.UserLeave();
  EXPECT_EQ(c.Cbo_LibSousSecteurAidant.Text(), "Halles");
  EXPECT_EQ(State().CodeSousSecteur(), "00105");

  c.Txt_SecteurAidant.UserEdit("002");
  c.Txt_SousSecteurAidant.UserType("05");
  EXPECT_EQ(c.Cbo_LibSousSecteurAidant.Text(), "Forêt");
  EXPECT_EQ(State().CodeSousSecteur(), "00205");
  EXPECT_TRUE(Host().Messages().empty());
}

TEST_F(CodeBoxesTest, UnknownCodeIsRefusedAndTheBoxEmptiedWithTheFocusBack) {
  auto& c = Open("A003");
  // No sector chosen yet, so no sub-sector can exist.
  c.Txt_SousSecteurAidant.UserType("05");
  ExpectOnlyMessage("Ce sous-secteur n'existe pas.");
  EXPECT_EQ(c.Txt_SousSecteurAidant.Text(), "");
  c.Txt_SecteurAidant.UserKeyPress(13);
  ExpectOnlyMessage("Ce secteur n'existe pas.");
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "");
  c.Txt_CentreMedAidant.UserType("9");
  c.Txt_CentreMedAidant.UserLeave();
  ExpectOnlyMessage("Ce centre médical n'existe pas.");
  EXPECT_EQ(c.UserControl.FocusedWidget(), &c.Txt_CentreMedAidant);
}

TEST_F(CodeBoxesTest, TypingOverAShownCodeEmptiesTheBoxAndResetsTheLevelsBelow) {
  auto& c = Open("A001");
  c.Txt_SecteurAidant.UserEdit("0012");
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "");
  EXPECT_EQ(c.Txt_SousSecteurAidant.Text(), "");
  EXPECT_EQ(c.Cbo_LibQuartierAidant.Text(), "");
  for (forms::Widget* lower :
       std::vector<forms::Widget*>{&c.Txt_SousSecteurAidant, &c.Cbo_LibSousSecteurAidant,
                                   &c.Txt_QuartierAidant, &c.Cbo_LibQuartierAidant}) {
    EXPECT_FALSE(lower->Enabled()) << lower->Name();
  }
  EXPECT_EQ(c.Cbo_LibAntMedAidant.Text(), "Antenne Gare");
  // Nothing shown any more: the long code stays, is never sought, and Enter keeps it.
  c.Txt_SecteurAidant.UserEdit("0012");
  c.Txt_SecteurAidant.UserKeyPress(13);
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "0012");
  EXPECT_TRUE(Host().Messages().empty());
}

TEST_F(CodeBoxesTest, EachTypedCharacterStaysAndOneBackspaceEmptiesACompleteCode) {
  auto& c = Open("A003");
  for (const char* typed : {"0", "00"}) {
    c.Txt_SecteurAidant.UserType("0");
    EXPECT_EQ(c.Txt_SecteurAidant.Text(), typed);
  }
  c.Txt_SecteurAidant.UserType("1");
  EXPECT_EQ(c.Cbo_LibSecteurAidant.Text(), "Centre-ville");
  c.Txt_SecteurAidant.UserKeyPress(8);
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "");
  EXPECT_EQ(c.Cbo_LibSecteurAidant.Text(), "");
  EXPECT_FALSE(c.Txt_SousSecteurAidant.Enabled());
  EXPECT_FALSE(c.Cbo_LibQuartierAidant.Enabled());
}

TEST_F(CodeBoxesTest, LockedSectorEntryRefillsTheSubSectorsButKeepsThemDisabled) {
  std::vector<std::string> counter(45);
  counter[44] = "2";
  store.Put("COMPTEUR", "999", counter);
  // Below level 2 the locked mode disables nothing at opening.
  auto& c = Open("A003", 1);
  c.Txt_SecteurAidant.UserType("1");
  c.Txt_SecteurAidant.UserKeyPress(13);
  EXPECT_EQ(c.Cbo_LibSousSecteurAidant.ListCount(), 3);
  EXPECT_FALSE(c.Txt_SousSecteurAidant.Enabled());
  EXPECT_FALSE(c.Cbo_LibSousSecteurAidant.Enabled());
}

}  // namespace
