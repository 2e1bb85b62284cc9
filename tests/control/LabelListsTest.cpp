#include "ScreenTest.h"

namespace {

using LabelListsTest = ScreenTest;

TEST_F(LabelListsTest, OnlyAnEmptiedLabelEmptiesItsCodeBox) {
  auto& c = Open("A001");
  c.Cbo_LibSecteurAidant.UserEdit("Nord");
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "001");
  c.Cbo_LibCentreMedAidant.UserEdit("");
  EXPECT_EQ(c.Txt_CentreMedAidant.Text(), "");
  EXPECT_EQ(c.Txt_AntMedAidant.Text(), "");
  c.Cbo_LibSecteurAidant.UserEdit("");
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "");
  EXPECT_EQ(c.Txt_QuartierAidant.Text(), "");
  EXPECT_FALSE(c.Cbo_LibSousSecteurAidant.Enabled());
}

TEST_F(LabelListsTest, TypedSectorKeepsTheMedicalLevelsAChosenSectorResetsThem) {
  auto& c = Open("A001");
  c.Txt_SecteurAidant.UserEdit("002");
  EXPECT_EQ(c.Txt_CentreMedAidant.Text(), "010");
  EXPECT_EQ(c.Cbo_LibAntMedAidant.Text(), "Antenne Gare");

  Pick(c.Cbo_LibSecteurAidant, "Centre-ville");
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "001");
  EXPECT_EQ(c.Cbo_LibSousSecteurAidant.ListCount(), 3);
  EXPECT_TRUE(c.Cbo_LibSousSecteurAidant.Enabled());
  EXPECT_EQ(c.Txt_CentreMedAidant.Text(), "");
  EXPECT_EQ(c.Cbo_LibCentreMedAidant.Text(), "");
  EXPECT_EQ(c.Txt_AntMedAidant.Text(), "");
  EXPECT_FALSE(c.Cbo_LibQuartierAidant.Enabled());
  EXPECT_FALSE(c.Cbo_LibAntMedAidant.Enabled());
}

TEST_F(LabelListsTest, ChosenEntriesShowTheirOwnPartOfTheKey) {
  auto& c = Open("A003");
  c.Txt_SecteurAidant.UserType("001");
  Pick(c.Cbo_LibSousSecteurAidant, "Halles");
  EXPECT_EQ(c.Txt_SousSecteurAidant.Text(), "05");
  // Its single district brought centre 020, which has two antennas.
  EXPECT_EQ(c.Cbo_LibQuartierAidant.Text(), "Marché");
  Pick(c.Cbo_LibAntMedAidant, "Antenne Halles");
  EXPECT_EQ(c.Txt_AntMedAidant.Text(), "002");
  EXPECT_EQ(State().CodeAntenneMedicale(), "020002");
}

TEST_F(LabelListsTest, StoredAntennaWinsForATypedDistrictNotForAChosenOne) {
  PutAidant("A010", {{31, "001"}, {32, "00101"}, {33, "0010101"}, {34, "1"}, {35, "020002"}});
  auto& c = Open("A010");
  // With the centre emptied first, the district's reaction shows the centre it takes.
  c.Cbo_LibCentreMedAidant.UserEdit("");
  c.Txt_QuartierAidant.UserEdit("02");
  EXPECT_EQ(c.Cbo_LibQuartierAidant.Text(), "Quai B");
  EXPECT_EQ(c.Cbo_LibCentreMedAidant.Text(), "Clinique Sud");
  EXPECT_EQ(c.Cbo_LibAntMedAidant.Text(), "Antenne Halles");

  Pick(c.Cbo_LibQuartierAidant, "Quai A");
  EXPECT_EQ(c.Cbo_LibCentreMedAidant.Text(), "Hôpital Nord");
  EXPECT_EQ(c.Cbo_LibAntMedAidant.Text(), "Antenne Gare");
  EXPECT_EQ(State().CodeAntenneMedicale(), "010001");
  EXPECT_EQ(State().CodeCentreMedical(), "010");
}

TEST_F(LabelListsTest, DistrictWithoutAntennaIsShownAndLeavesTheMedicalLevelsToTheUser) {
  store.Put("QUARTIER", "0010103", {"Quai C", ""});
  auto& c = Open("A003");
  c.Txt_SecteurAidant.UserType("001");
  c.Txt_SousSecteurAidant.UserType("01");
  Pick(c.Cbo_LibQuartierAidant, "Quai C");
  EXPECT_EQ(c.Txt_QuartierAidant.Text(), "03");
  EXPECT_EQ(c.Txt_CentreMedAidant.Text(), "");
  EXPECT_TRUE(c.Cbo_LibCentreMedAidant.Enabled());
  EXPECT_TRUE(Host().Messages().empty());
}

TEST_F(LabelListsTest, MeansOfTransportListedTwiceGivesTheCodeOfItsFirstPlace) {
  store.Put(
      "TABLES", "MOYENSLOC",
      {"", TestStore::Values({"1", "2", "7"}), TestStore::Values({"Voiture", "Vélo", "Voiture"})});
  auto& c = Open("A003");
  c.Cbo_LibMoyLocAidant.UserPick(2);
  EXPECT_EQ(State().CodeMoyenLoc(), 1);
}

}  // namespace
