#include "ScreenTest.h"

namespace {

using ListsTest = ScreenTest;

TEST_F(ListsTest, EveryListHoldsItsRowsInLabelOrder) {
  auto& c = Open("A001");  // shows 001, 00101 and centre 010, which fills every list
  const Texts sectors = {"Centre-ville", "Écluse", "Nord", "Sud"};
  EXPECT_EQ(Entries(c.Cbo_LibSecteurAidant), sectors);
  EXPECT_EQ(Entries(c.Lst_Pos), sectors);
  EXPECT_EQ(ItemDatas(c.Lst_Pos), (std::vector<long>{1, 12, 2, 3}));
  EXPECT_EQ(Entries(c.Cbo_LibSousSecteurAidant), (Texts{"Cathédrale", "Gare", "Halles"}));
  EXPECT_EQ(Entries(c.Cbo_LibQuartierAidant), (Texts{"Quai A", "Quai B"}));
  EXPECT_EQ(Entries(c.Cbo_LibCentreMedAidant),
            (Texts{"Centre Ouest", "Clinique Sud", "Hôpital Nord"}));
  EXPECT_EQ(Entries(c.Cbo_LibAntMedAidant), (Texts{"Antenne Gare", "Antenne Lilas"}));
  EXPECT_EQ(Entries(c.Cbo_LibMoyLocAidant),
            (Texts{"Voiture", "Vélo", "Transports en commun", "À pied"}));

  c.RemplirCombo_SecteurAidant();  // possible sectors are appended, never cleared
  EXPECT_EQ(Entries(c.Cbo_LibSecteurAidant), sectors);
  EXPECT_EQ(ItemDatas(c.Lst_Pos), (std::vector<long>{1, 12, 2, 3, 1, 12, 2, 3}));
}

// Sector 012 has a single sub-sector with a single district, whose antenna is 030001; a
// creation is filled down to it in the example scenarios.
TEST_F(ListsTest, SingleChainKeepsTheAidantsOwnMedicalLevels) {
  auto& c = Open("A001");
  c.Txt_SecteurAidant.UserEdit("012");
  EXPECT_EQ(Levels(c), "012|Écluse|01|Port|01|Bassin|010|Hôpital Nord|001|Antenne Gare|Vélo|");
}

TEST_F(ListsTest, StoredAntennaWinsForATypedDistrictNotForAChosenOne) {
  store.PutAidant("A010", {{31, "001"}, {32, "00101"}, {33, "0010101"}, {34, "1"}, {35, "020002"}});
  auto& c = Open("A010");
  c.Cbo_LibCentreMedAidant.UserEdit("");  // so the district's reaction shows its centre
  c.Txt_QuartierAidant.UserEdit("02");
  EXPECT_EQ(c.Cbo_LibQuartierAidant.Text() + c.Cbo_LibCentreMedAidant.Text() +
                c.Cbo_LibAntMedAidant.Text(),
            "Quai BClinique SudAntenne Halles");

  Pick(c.Cbo_LibQuartierAidant, "Quai A");
  EXPECT_EQ(c.Txt_QuartierAidant.Text() + c.Cbo_LibCentreMedAidant.Text(), "01Hôpital Nord");
  EXPECT_EQ(State().CodeAntenneMedicale(), "010001");
}

TEST_F(ListsTest, CentreShowsItsSingleAntennaAndADistrictWithoutAntennaKeepsThem) {
  store.Put("QUARTIER", "0120101", {"Bassin", ""});
  auto& c = Open("A003");
  c.Txt_CentreMedAidant.UserType("030");
  EXPECT_EQ(c.Txt_AntMedAidant.Text() + c.Cbo_LibAntMedAidant.Text(), "001Antenne Port");
  c.Txt_SecteurAidant.UserEdit("012");  // shown as the single district
  EXPECT_EQ(c.Cbo_LibQuartierAidant.Text(), "Bassin");
  Pick(c.Cbo_LibQuartierAidant, "Bassin");
  EXPECT_EQ(c.Cbo_LibCentreMedAidant.Text() + c.Cbo_LibAntMedAidant.Text(),
            "Centre OuestAntenne Port");
  EXPECT_TRUE(Host().Messages().empty());
}

TEST_F(ListsTest, VanishedSingleSubSectorIsNotShown) {
  auto& c = Open("A003");
  c.Txt_SecteurAidant.UserEdit("012");
  store.Remove("SOUSSECTEUR", "01201");
  store.Put("QUARTIER", "0120102", {"Digue", "030001"});
  c.Affiche_SousSecteurUnique();
  EXPECT_EQ(c.Cbo_LibQuartierAidant.ListCount(), 1) << "the districts are not refilled";
}

using SelectionListsTest = ScreenTest;

TEST_F(SelectionListsTest, StoredValuesShowInTheirOrderDuplicatesKeptUnknownSkipped) {
  store.PutAidant("A010", {{43, TestStore::Values({"012", "099", "003", "012"})}});
  auto& c = Open("A010");
  EXPECT_EQ(Entries(c.Lst_Sel), (Texts{"Écluse", "Sud", "Écluse"}));
  EXPECT_EQ(ItemDatas(c.Lst_Sel), (std::vector<long>{12, 3, 12}));
}

TEST_F(SelectionListsTest, AddCopiesEachSelectedLabelOnceAllReplacesRemoveTakesOut) {
  auto& c = Open("A003");
  c.Lst_Pos.UserSelect({0, 2});
  c.Cmd_Ajoute.UserClick();
  c.Lst_Pos.UserSelect({0, 1});
  c.Lst_Pos.UserDblClick();
  EXPECT_EQ(Entries(c.Lst_Sel), (Texts{"Centre-ville", "Nord", "Écluse"}));
  EXPECT_EQ(ItemDatas(c.Lst_Sel), (std::vector<long>{1, 2, 12}));

  c.Cmd_Tous.UserClick();
  EXPECT_EQ(Entries(c.Lst_Sel), Entries(c.Lst_Pos));
  EXPECT_EQ(ItemDatas(c.Lst_Sel), ItemDatas(c.Lst_Pos));
  c.Lst_Sel.UserSelect({0, 2, 3});
  c.Cmd_Ote.UserClick();
  EXPECT_EQ(Entries(c.Lst_Sel), (Texts{"Écluse"}));
  c.Lst_Sel.UserSelect({0});
  c.Lst_Sel.UserDblClick();
  EXPECT_EQ(c.Lst_Sel.ListCount(), 0);
}

TEST_F(SelectionListsTest, LockedSectorEntryRefillsDisabledListsAndChangesNoSelection) {
  store.SetCounter("2");
  store.PutAidant("A010", {{43, TestStore::Values({"002", "012"})}});  // a creation
  auto& c = Open("A010", 1);  // below level 2 the lock disables nothing at opening
  c.Txt_SecteurAidant.UserType("1");
  c.Txt_SecteurAidant.UserKeyPress(13);
  EXPECT_EQ(c.Cbo_LibSousSecteurAidant.ListCount(), 3);
  EXPECT_FALSE(c.Txt_SousSecteurAidant.Enabled() || c.Cbo_LibSousSecteurAidant.Enabled());
  c.Txt_SecteurAidant.UserEdit("012");
  EXPECT_EQ(Entries(c.Cbo_LibQuartierAidant), (Texts{"Bassin"}));
  EXPECT_FALSE(c.Cbo_LibQuartierAidant.Enabled());

  c.Lst_Pos.UserSelect({0, 3});
  c.Cmd_Ajoute.UserClick();
  c.Lst_Sel.UserSelect({0, 1});
  c.Cmd_Ote.UserClick();
  c.Lst_Sel.UserDblClick();
  c.Cmd_Tous.UserClick();
  EXPECT_EQ(Entries(c.Lst_Sel), (Texts{"Nord", "Écluse"}));
}

}  // namespace
