#include "ScreenTest.h"

namespace {

using CodeBoxesTest = ScreenTest;

TEST_F(CodeBoxesTest, CodesAreTypedOrErasedCompletedWithZerosAndSoughtUnderTheParentBoxes) {
  auto& c = Open("A003");
  c.Txt_SecteurAidant.UserType("1");
  c.Txt_SecteurAidant.UserKeyPress(13);
  EXPECT_EQ(c.Txt_SecteurAidant.Text() + c.Cbo_LibSecteurAidant.Text(), "001Centre-ville");
  c.Txt_SecteurAidant.UserKeyPress(8);  // one Backspace empties a complete code
  EXPECT_EQ(c.Txt_SecteurAidant.Text() + c.Cbo_LibSecteurAidant.Text(), "");
  EXPECT_FALSE(c.Txt_SousSecteurAidant.Enabled() || c.Cbo_LibQuartierAidant.Enabled());
  for (const char* typed : {"0", "00"}) {
    c.Txt_SecteurAidant.UserType("0");
    EXPECT_EQ(c.Txt_SecteurAidant.Text(), typed);
  }
  c.Txt_SecteurAidant.UserType("1");
  EXPECT_EQ(c.Cbo_LibSecteurAidant.Text(), "Centre-ville");
  // Three sub-sectors: the choice is left to the user.
  EXPECT_TRUE(c.Txt_SousSecteurAidant.Text().empty() && c.Cbo_LibSousSecteurAidant.Enabled());
  c.Txt_SousSecteurAidant.UserType("5");
  c.Txt_SousSecteurAidant.UserLeave();
  EXPECT_EQ(State().CodeSousSecteur() + c.Cbo_LibSousSecteurAidant.Text(), "00105Halles");

  c.Txt_SecteurAidant.UserEdit("002");
  c.Txt_SousSecteurAidant.UserType("05");
  EXPECT_EQ(State().CodeSousSecteur() + c.Cbo_LibSousSecteurAidant.Text(), "00205Forêt");
}

// An unknown sector is refused in the Qt test; a level below looks in a list never filled.
TEST_F(CodeBoxesTest, UnknownCodeIsRefusedAndTheBoxEmptiedWithTheFocusBack) {
  auto& c = Open("A003");
  c.Txt_SousSecteurAidant.UserType("05");
  ExpectOnlyMessage("Ce sous-secteur n'existe pas.");
  EXPECT_EQ(c.Txt_SousSecteurAidant.Text(), "");
  EXPECT_EQ(c.UserControl.FocusedWidget(), &c.Txt_SousSecteurAidant);
}

TEST_F(CodeBoxesTest, TooLongCodeIsNeverSoughtAndResetsTheLevelsBelow) {
  auto& c = Open("A001");
  c.Txt_SecteurAidant.UserEdit("0012");
  // Emptying the sector's label empties its box as well.
  EXPECT_EQ(c.Txt_SecteurAidant.Text() + c.Cbo_LibSecteurAidant.Text(), "");
  EXPECT_EQ(c.Txt_SousSecteurAidant.Text() + c.Cbo_LibQuartierAidant.Text(), "");
  EXPECT_FALSE(c.Cbo_LibSousSecteurAidant.Enabled() || c.Txt_QuartierAidant.Enabled());
  // Nothing shown any more: the long code stays, and Enter keeps it.
  c.Txt_SecteurAidant.UserEdit("0012");
  c.Txt_SecteurAidant.UserKeyPress(13);
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "0012");
  EXPECT_TRUE(Host().Messages().empty());
}

TEST_F(CodeBoxesTest, TypedSectorKeepsTheMedicalLevelsAChosenSectorResetsThem) {
  auto& c = Open("A001");
  c.Txt_SecteurAidant.UserEdit("002");
  EXPECT_EQ(c.Txt_CentreMedAidant.Text() + c.Cbo_LibAntMedAidant.Text(), "010Antenne Gare");

  Pick(c.Cbo_LibSecteurAidant, "Centre-ville");
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "001");
  EXPECT_EQ(c.Txt_CentreMedAidant.Text() + c.Cbo_LibCentreMedAidant.Text(), "");
  EXPECT_EQ(c.Txt_AntMedAidant.Text() + c.Cbo_LibAntMedAidant.Text(), "");
  EXPECT_FALSE(c.Cbo_LibQuartierAidant.Enabled() || c.Cbo_LibAntMedAidant.Enabled());
}

}  // namespace
