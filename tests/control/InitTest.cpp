#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ControlHarness.h"
#include "Ctr_SectorisationInspector.h"
#include "ErrorNumberOf.h"
#include "control/Variables.h"

namespace {

class InitTest : public ::testing::Test {
 protected:
  void SetUp() override { store.LoadStandardWorld(); }

  void SetCounter(const std::string& value) {
    std::vector<std::string> counter(45);
    counter[44] = value;
    store.Put("COMPTEUR", "999", counter);
  }
  void PutAidant(const std::string& code, const std::string& commune) {
    std::vector<std::string> attributes(39);
    attributes[1] = "NOIR";
    attributes[38] = commune;
    store.Put("CIVILAIDANT", code, attributes);
  }
  Ctr_SectorisationInspector Inspect() { return Ctr_SectorisationInspector(harness.Control()); }

  TestStore store;
  ControlHarness harness{store};
};

struct CounterCase {
  std::optional<std::string> value;  // nullopt: no counter record at all
  bool locked;
};

class CounterTest : public InitTest, public ::testing::WithParamInterface<CounterCase> {};

TEST_P(CounterTest, CounterDecidesWhetherSectorEntryIsLocked) {
  if (GetParam().value)
    SetCounter(*GetParam().value);
  else
    store.Remove("COMPTEUR", "999");
  harness.Open("A003");
  EXPECT_EQ(Variables::SaisieSecteurBloquee, GetParam().locked ? basis::True : basis::False);
  EXPECT_EQ(harness.Screen().AccessLevel(), GetParam().locked ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Values, CounterTest,
                         ::testing::Values(CounterCase{"0", false}, CounterCase{"1", false},
                                           CounterCase{"2", true}, CounterCase{"12", true},
                                           CounterCase{"", true}, CounterCase{"abc", true},
                                           CounterCase{"40000", true},
                                           CounterCase{std::nullopt, true}));

TEST_F(InitTest, LockedEntryLowersTheLevelUntilTheControlEnds) {
  SetCounter("2");
  Ctr_Sectorisation& control = harness.Open("A003");
  EXPECT_EQ(harness.Screen().AccessLevel(), 1);
  EXPECT_EQ(Inspect().NiveauAccesInitial(), basis::Variant(2));
  EXPECT_TRUE(control.Cmd_OkSectorisation.Visible());
  const std::vector<const forms::Widget*> locked = {
      &control.Txt_SecteurAidant,     &control.Cbo_LibSecteurAidant,
      &control.Txt_SousSecteurAidant, &control.Cbo_LibSousSecteurAidant,
      &control.Txt_QuartierAidant,    &control.Cbo_LibQuartierAidant,
      &control.Cbo_LibMoyLocAidant};
  for (const forms::Widget* field : locked)
    EXPECT_FALSE(field->Enabled()) << field->Name();
  EXPECT_TRUE(control.Txt_CentreMedAidant.Enabled() && control.Cbo_LibCentreMedAidant.Enabled() &&
              control.Txt_AntMedAidant.Enabled() && control.Cbo_LibAntMedAidant.Enabled());

  harness.Close();
  EXPECT_EQ(harness.Screen().AccessLevel(), 2);
}

TEST_F(InitTest, LockedEntryForAReaderHidesOkAndLeavesTheLevelAlone) {
  SetCounter("2");
  harness.Screen().SetAccessLevel(1);
  Ctr_Sectorisation& control = harness.Open("A003");
  EXPECT_FALSE(control.Cmd_OkSectorisation.Visible());
  EXPECT_TRUE(Inspect().NiveauAccesInitial().IsEmpty());
  EXPECT_TRUE(control.Txt_SecteurAidant.Enabled());

  harness.Screen().SetAccessLevel(3);  // changed by the host meanwhile
  harness.Close();
  EXPECT_EQ(harness.Screen().AccessLevel(), 3);
}

TEST_F(InitTest, ReaderInNormalModeHasNoOkButton) {
  harness.Screen().SetAccessLevel(0);
  Ctr_Sectorisation& control = harness.Open("A003");
  EXPECT_FALSE(control.Cmd_OkSectorisation.Visible());
  EXPECT_EQ(Inspect().NiveauAccesInitial(), basis::Variant(0));
}

TEST_F(InitTest, CaptionJoinsCodeAndNamesWithThreeSpaces) {
  Ctr_Sectorisation& control = harness.Open("A003");
  EXPECT_EQ(control.Etq_CodeNomPrenomAidant.Caption(), "A003   PETIT   Léa");
}

TEST_F(InitTest, UnknownAidantOpensAnEmptyCreation) {
  Ctr_Sectorisation& control = harness.Open("ZZZ");
  EXPECT_EQ(control.Etq_CodeNomPrenomAidant.Caption(), "ZZZ      ");
  EXPECT_EQ(Variables::EnCreation, basis::True);
  EXPECT_FALSE(control.Cbo_LibSousSecteurAidant.Enabled());
  EXPECT_FALSE(control.Cbo_LibQuartierAidant.Enabled());
  EXPECT_EQ(control.Txt_SecteurAidant.Text(), "");
  EXPECT_EQ(control.Lst_Sel.ListCount(), 0);
  EXPECT_TRUE(harness.Host().Messages().empty());
}

TEST_F(InitTest, CreationProposesTheSectorOfTheAidantsCommune) {
  Ctr_Sectorisation& control = harness.Open("A002");
  EXPECT_EQ(Variables::EnCreation, basis::True);
  EXPECT_EQ(Inspect().ArticleInitial(), "");
  EXPECT_EQ(control.Txt_SecteurAidant.Text(), "001");
  EXPECT_EQ(control.Cbo_LibSecteurAidant.Text(), "Centre-ville");
}

TEST_F(InitTest, CreationWithoutACommuneSectorProposesNothing) {
  PutAidant("A004", "75002");  // a commune without sector
  for (const char* code : {"A003", "A004"}) {
    Ctr_Sectorisation& control = harness.Open(code);
    EXPECT_EQ(control.Txt_SecteurAidant.Text(), "") << code;
    harness.Close();
  }
}

TEST_F(InitTest, ProposalNeverComesFromAnEarlierOpening) {
  harness.Open("A002");        // reads commune 75001 and its sector 001
  PutAidant("A005", "99999");  // a commune that does not exist
  Ctr_Sectorisation second(harness.Host(), harness.Host());
  second.TheDatabase(store.Connection());
  second.DroitsUtilisateur(harness.Rights());
  second.W_Code = "A005";
  second.Init();
  EXPECT_EQ(second.Txt_SecteurAidant.Text(), "");
}

TEST_F(InitTest, ExistingSectorisationIsKeptAsRead) {
  harness.Open("A001");
  EXPECT_EQ(Variables::EnCreation, basis::False);
  EXPECT_EQ(Inspect().ArticleInitial(), store.Get("CIVILAIDANT", "A001")->Text());
}

TEST_F(InitTest, InitBeforeRightsOrDatabaseFailsToTheHost) {
  Ctr_Sectorisation& withoutRights = harness.Create();
  withoutRights.TheDatabase(store.Connection());
  withoutRights.W_Code = "A001";
  EXPECT_EQ(ErrorNumberOf([&] { withoutRights.Init(); }), basis::kObjectNotSet);
  EXPECT_TRUE(Variables::F_CivilAidant.IsNothing());
  harness.Close();

  harness.Screen().SetAccessLevel(1);
  Ctr_Sectorisation& withoutDatabase = harness.Create();
  withoutDatabase.DroitsUtilisateur(harness.Rights());
  withoutDatabase.W_Code = "A001";
  EXPECT_EQ(ErrorNumberOf([&] { withoutDatabase.Init(); }), basis::kObjectNotSet);
  EXPECT_FALSE(withoutDatabase.Cmd_OkSectorisation.Visible()) << "the rights were applied first";
}

TEST_F(InitTest, FirstTabIsShownWhateverWasShownBefore) {
  Ctr_Sectorisation& control = harness.Create();
  control.Ong_Sectorisation.UserShowTab(1);
  control.TheDatabase(store.Connection());
  control.DroitsUtilisateur(harness.Rights());
  control.W_Code = "A001";
  control.Init();
  EXPECT_EQ(control.Ong_Sectorisation.Tab(), 0);
}

}  // namespace
