#include <gtest/gtest.h>

#include "ControlHarness.h"
#include "Ctr_SectorisationInspector.h"
#include "ErrorNumberOf.h"
#include "ListEntries.h"

namespace {

using Texts = std::vector<std::string>;

class ReferenceListsTest : public ::testing::Test {
 protected:
  void SetUp() override { store.LoadStandardWorld(); }
  Ctr_SectorisationInspector State() { return Ctr_SectorisationInspector(harness.Control()); }

  TestStore store;
  ControlHarness harness{store};
};

TEST_F(ReferenceListsTest, InitFillsSectorsCentresAndTransportInLabelOrder) {
  Ctr_Sectorisation& c = harness.Open("A003");
  const Texts sectors = {"Centre-ville", "Écluse", "Nord", "Sud"};
  EXPECT_EQ(Entries(c.Cbo_LibSecteurAidant), sectors);
  EXPECT_EQ(Entries(c.Lst_Pos), sectors);
  EXPECT_EQ(ItemDatas(c.Lst_Pos), (std::vector<long>{1, 12, 2, 3}));
  EXPECT_EQ(Entries(c.Cbo_LibCentreMedAidant),
            (Texts{"Centre Ouest", "Clinique Sud", "Hôpital Nord"}));
  EXPECT_EQ(Entries(c.Cbo_LibMoyLocAidant),
            (Texts{"Voiture", "Vélo", "Transports en commun", "À pied"}));

  c.RemplirCombo_SecteurAidant();  // possible sectors are appended, never cleared
  EXPECT_EQ(Entries(c.Cbo_LibSecteurAidant), sectors);
  EXPECT_EQ(ItemDatas(c.Lst_Pos), (std::vector<long>{1, 12, 2, 3, 1, 12, 2, 3}));
}

TEST_F(ReferenceListsTest, TransportOffersOnlyAsManyLabelsAsCodes) {
  store.Put("TABLES", "MOYENSLOC",
            {"", TestStore::Values({"1", "2"}), TestStore::Values({"Car", "Moto", "Bus"})});
  EXPECT_EQ(Entries(harness.Open("A003").Cbo_LibMoyLocAidant), (Texts{"Car", "Moto"}));
}

TEST_F(ReferenceListsTest, NonNumericSectorKeyFailsInitWithTheListsPartlyFilled) {
  store.Put("SECTEUR", "0A1", {"Zone franche"});  // sorts last
  EXPECT_EQ(ErrorNumberOf([&] { harness.Open("A003"); }), basis::kTypeMismatch);
  EXPECT_EQ(harness.Control().Lst_Pos.ListCount(), 5);
  EXPECT_EQ(harness.Control().Cbo_LibCentreMedAidant.ListCount(), 0);
}

TEST_F(ReferenceListsTest, SingleAntennaOfACentreIsShownAtOnce) {
  Ctr_Sectorisation& c = harness.Open("A003");
  c.Txt_CentreMedAidant.UserType("030");
  EXPECT_EQ(c.Txt_AntMedAidant.Text(), "001");
  EXPECT_EQ(c.Cbo_LibAntMedAidant.Text(), "Antenne Port");
  EXPECT_EQ(State().CodeAntenneMedicale(), "030001");
}

// Sector 012 has a single sub-sector with a single district, whose antenna is 030001.
TEST_F(ReferenceListsTest, SingleChainTakesTheAntennaStoredForTheAidantFirst) {
  for (const auto& [aidant, antenna, centreLabel] :
       {std::tuple{"A001", "010001", "Hôpital Nord"},
        std::tuple{"A003", "030001", "Centre Ouest"}}) {
    Ctr_Sectorisation& c = harness.Open(aidant);
    c.Txt_SecteurAidant.UserEdit("012");
    EXPECT_EQ(c.Txt_SousSecteurAidant.Text() + c.Cbo_LibSousSecteurAidant.Text(), "01Port");
    EXPECT_EQ(c.Txt_QuartierAidant.Text() + c.Cbo_LibQuartierAidant.Text(), "01Bassin");
    EXPECT_EQ(State().CodeAntenneMedicale(), antenna) << aidant;
    EXPECT_EQ(c.Cbo_LibCentreMedAidant.Text(), centreLabel) << aidant;
    harness.Close();
  }
}

TEST_F(ReferenceListsTest, SingleDistrictWithoutAntennaKeepsTheMedicalLabels) {
  store.Put("QUARTIER", "0120101", {"Bassin", ""});
  Ctr_Sectorisation& c = harness.Open("A003");
  c.Txt_CentreMedAidant.UserType("020");
  c.Txt_SecteurAidant.UserEdit("012");
  EXPECT_EQ(c.Cbo_LibQuartierAidant.Text(), "Bassin");
  EXPECT_EQ(State().CodeCentreMedical(), "");
  EXPECT_EQ(c.Cbo_LibCentreMedAidant.Text(), "Clinique Sud");
  EXPECT_TRUE(harness.Host().Messages().empty());
}

TEST_F(ReferenceListsTest, VanishedSingleSubSectorIsNotShown) {
  Ctr_Sectorisation& c = harness.Open("A003");
  c.Txt_SecteurAidant.UserEdit("012");
  store.Remove("SOUSSECTEUR", "01201");
  store.Put("QUARTIER", "0120102", {"Digue", "030001"});
  c.Affiche_SousSecteurUnique();
  EXPECT_EQ(State().CodeSousSecteur(), "01201");
  EXPECT_EQ(c.Cbo_LibSousSecteurAidant.Text(), "Port");
  EXPECT_EQ(c.Cbo_LibQuartierAidant.ListCount(), 1) << "the districts are not refilled";
}

TEST_F(ReferenceListsTest, LockedEntryKeepsASingleChainsDistrictListDisabled) {
  for (const char* counter : {"0", "2"}) {
    std::vector<std::string> record(45);
    record[44] = counter;
    store.Put("COMPTEUR", "999", record);
    store.Put("COMMUNES", "75001", {"Paris 1er", "", "012"});  // proposed at opening
    Ctr_Sectorisation& c = harness.Open("A002");
    EXPECT_EQ(Entries(c.Cbo_LibQuartierAidant), (Texts{"Bassin"}));
    EXPECT_EQ(c.Cbo_LibQuartierAidant.Enabled(), std::string(counter) == "0") << counter;
    harness.Close();
  }
}

}  // namespace
