#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlHarness.h"
#include "Ctr_SectorisationInspector.h"
#include "ErrorNumberOf.h"
#include "ListEntries.h"
#include "control/Variables.h"

namespace {

using Texts = std::vector<std::string>;

class ReferenceListsTest : public ::testing::Test {
 protected:
  void SetUp() override { store.LoadStandardWorld(); }
  Ctr_SectorisationInspector Inspect() { return Ctr_SectorisationInspector(harness.Control()); }

  TestStore store;
  ControlHarness harness{store};
};

TEST_F(ReferenceListsTest, InitFillsSectorsCentresAndTransportInLabelOrder) {
  Ctr_Sectorisation& control = harness.Open("A003");
  const Texts sectors = {"Centre-ville", "Écluse", "Nord", "Sud"};
  EXPECT_EQ(Entries(control.Cbo_LibSecteurAidant), sectors);
  EXPECT_EQ(Entries(control.Lst_Pos), sectors);
  EXPECT_EQ(ItemDatas(control.Lst_Pos), (std::vector<long>{1, 12, 2, 3}));
  EXPECT_EQ(ItemDatas(control.Cbo_LibSecteurAidant), (std::vector<long>{0, 0, 0, 0}));
  EXPECT_EQ(Entries(control.Cbo_LibCentreMedAidant),
            (Texts{"Centre Ouest", "Clinique Sud", "Hôpital Nord"}));
  EXPECT_EQ(Entries(control.Cbo_LibMoyLocAidant),
            (Texts{"Voiture", "Vélo", "Transports en commun", "À pied"}));
  EXPECT_EQ(control.Cbo_LibSousSecteurAidant.ListCount(), 0);
  EXPECT_EQ(control.Cbo_LibQuartierAidant.ListCount(), 0);
  EXPECT_EQ(control.Cbo_LibAntMedAidant.ListCount(), 0);
}

TEST_F(ReferenceListsTest, RefillingSectorsAppendsToThePossibleSectorsOnly) {
  Ctr_Sectorisation& control = harness.Open("A003");
  control.RemplirCombo_SecteurAidant();
  EXPECT_EQ(control.Cbo_LibSecteurAidant.ListCount(), 4);
  EXPECT_EQ(ItemDatas(control.Lst_Pos), (std::vector<long>{1, 12, 2, 3, 1, 12, 2, 3}));
}

TEST_F(ReferenceListsTest, TransportOffersOnlyAsManyLabelsAsCodes) {
  store.Put("TABLES", "MOYENSLOC",
            {"", TestStore::Values({"1", "2"}), TestStore::Values({"Car", "Moto", "Bus"})});
  Ctr_Sectorisation& control = harness.Open("A003");
  EXPECT_EQ(Entries(control.Cbo_LibMoyLocAidant), (Texts{"Car", "Moto"}));
}

TEST_F(ReferenceListsTest, NonNumericSectorKeyFailsInitWithTheListsPartlyFilled) {
  store.Put("SECTEUR", "0A1", {"Zone franche"});  // sorts last
  Ctr_Sectorisation& control = harness.Create();
  control.TheDatabase(store.Connection());
  control.DroitsUtilisateur(harness.Rights());
  control.W_Code = "A003";
  EXPECT_EQ(ErrorNumberOf([&] { control.Init(); }), basis::kTypeMismatch);
  EXPECT_EQ(control.Cbo_LibSecteurAidant.ListCount(), 5);
  EXPECT_EQ(control.Lst_Pos.ListCount(), 5);
  EXPECT_EQ(control.Cbo_LibCentreMedAidant.ListCount(), 0) << "Init stopped at the sectors";
}

TEST_F(ReferenceListsTest, ParentCodeRestrictsTheChildLists) {
  Ctr_Sectorisation& control = harness.Open("A001");
  control.RemplirCombo_SousSecteurAidant();
  control.RemplirCombo_QuartierAidant();
  control.RemplirCombo_AntMedAidant();
  EXPECT_EQ(Entries(control.Cbo_LibSousSecteurAidant), (Texts{"Cathédrale", "Gare", "Halles"}));
  EXPECT_EQ(Inspect().NbSousSecteurs(), 3);
  EXPECT_EQ(Entries(control.Cbo_LibQuartierAidant), (Texts{"Quai A", "Quai B"}));
  EXPECT_EQ(Inspect().NbQuartiers(), 2);
  EXPECT_EQ(Entries(control.Cbo_LibAntMedAidant), (Texts{"Antenne Gare", "Antenne Lilas"}));

  control.Txt_SecteurAidant.UserEdit("003");  // a sector without sub-sectors
  EXPECT_EQ(control.Cbo_LibSousSecteurAidant.ListCount(), 0);
  EXPECT_EQ(Inspect().NbSousSecteurs(), 0);
}

TEST_F(ReferenceListsTest, SingleAntennaOfACentreIsShownAtOnce) {
  Ctr_Sectorisation& control = harness.Open("A003");
  control.Txt_CentreMedAidant.UserType("030");
  EXPECT_EQ(control.Txt_AntMedAidant.Text(), "001");
  EXPECT_EQ(control.Cbo_LibAntMedAidant.Text(), "Antenne Port");
  EXPECT_EQ(Inspect().CodeAntenneMedicale(), "030001");
}

// A sector whose single sub-sector has a single district: typing it shows the whole chain.
class SingleChoiceTest : public ReferenceListsTest {
 protected:
  void TypeSectorWithSingleChain() { harness.Control().Txt_SecteurAidant.UserEdit("012"); }
};

TEST_F(SingleChoiceTest, AntennaStoredForTheAidantWinsOverTheDistricts) {
  Ctr_Sectorisation& control = harness.Open("A001");
  TypeSectorWithSingleChain();
  EXPECT_EQ(control.Cbo_LibSousSecteurAidant.Text(), "Port");
  EXPECT_EQ(control.Txt_SousSecteurAidant.Text(), "01");
  EXPECT_EQ(control.Cbo_LibQuartierAidant.Text(), "Bassin");
  EXPECT_EQ(control.Txt_QuartierAidant.Text(), "01");
  EXPECT_EQ(Inspect().CodeAntenneMedicale(), "010001");
  EXPECT_EQ(Inspect().CodeCentreMedical(), "010");
  EXPECT_EQ(control.Cbo_LibCentreMedAidant.Text(), "Hôpital Nord");
  EXPECT_EQ(control.Cbo_LibAntMedAidant.Text(), "Antenne Gare");
}

TEST_F(SingleChoiceTest, AidantWithoutAntennaGetsTheDistricts) {
  Ctr_Sectorisation& control = harness.Open("A003");
  TypeSectorWithSingleChain();
  EXPECT_EQ(Inspect().CodeAntenneMedicale(), "030001");
  EXPECT_EQ(control.Cbo_LibCentreMedAidant.Text(), "Centre Ouest");
  EXPECT_EQ(control.Cbo_LibAntMedAidant.Text(), "Antenne Port");
}

TEST_F(SingleChoiceTest, DistrictWithoutAntennaKeepsTheMedicalLabels) {
  store.Put("QUARTIER", "0120101", {"Bassin", ""});
  Ctr_Sectorisation& control = harness.Open("A003");
  control.Txt_CentreMedAidant.UserType("020");
  harness.Host().ClearEvents();
  TypeSectorWithSingleChain();
  EXPECT_EQ(control.Cbo_LibQuartierAidant.Text(), "Bassin");
  EXPECT_EQ(Inspect().CodeAntenneMedicale(), "");
  EXPECT_EQ(Inspect().CodeCentreMedical(), "");
  EXPECT_EQ(control.Cbo_LibCentreMedAidant.Text(), "Clinique Sud");
  EXPECT_TRUE(harness.Host().Messages().empty());
}

TEST_F(SingleChoiceTest, VanishedSubSectorStopsBeforeShowingIt) {
  Ctr_Sectorisation& control = harness.Open("A003");
  TypeSectorWithSingleChain();
  store.Remove("SOUSSECTEUR", "01201");
  store.Put("QUARTIER", "0120102", {"Digue", "030001"});
  control.Affiche_SousSecteurUnique();
  EXPECT_EQ(Inspect().CodeSousSecteur(), "01201");
  EXPECT_EQ(control.Cbo_LibSousSecteurAidant.Text(), "Port");
  EXPECT_EQ(control.Txt_SousSecteurAidant.Text(), "01");
  EXPECT_EQ(control.Cbo_LibQuartierAidant.ListCount(), 1) << "the districts are not refilled";
}

// The commune's sector is 012, so Init's proposal shows the single chain.
class ProposedSingleChainTest : public SingleChoiceTest,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(ProposedSingleChainTest, LockedEntryKeepsTheDistrictListDisabled) {
  const bool locked = std::string(GetParam()) != "0";
  std::vector<std::string> counter(45);
  counter[44] = GetParam();
  store.Put("COMPTEUR", "999", counter);
  store.Put("COMMUNES", "75001", {"Paris 1er", "", "012"});
  Ctr_Sectorisation& control = harness.Open("A002");
  EXPECT_EQ(Entries(control.Cbo_LibQuartierAidant), (Texts{"Bassin"}));
  EXPECT_EQ(control.Cbo_LibQuartierAidant.Enabled(), !locked);
}

INSTANTIATE_TEST_SUITE_P(Counter, ProposedSingleChainTest, ::testing::Values("0", "2"));

}  // namespace
