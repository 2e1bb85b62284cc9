#include <gtest/gtest.h>

#include <optional>

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
  void PutAidantOfCommune(const std::string& code, const std::string& commune) {
    std::vector<std::string> attributes(39);
    attributes[38] = commune;
    store.Put("CIVILAIDANT", code, attributes);
  }
  Ctr_Sectorisation& CreateConfigured(const std::string& code) {
    Ctr_Sectorisation& c = harness.Create();
    c.TheDatabase(store.Connection());
    c.DroitsUtilisateur(harness.Rights());
    c.W_Code = code;
    return c;
  }
  Ctr_SectorisationInspector State() { return Ctr_SectorisationInspector(harness.Control()); }

  TestStore store;
  ControlHarness harness{store};
};

class CounterTest : public InitTest,
                    public ::testing::WithParamInterface<std::optional<std::string>> {};

// Only 0 and 1 leave sector entry open: a counter that is missing or unreadable locks it.
TEST_P(CounterTest, CounterDecidesWhetherSectorEntryIsLocked) {
  const std::optional<std::string>& value = GetParam();
  value ? SetCounter(*value) : store.Remove("COMPTEUR", "999");
  harness.Open("A003");
  const bool locked = !(value == "0" || value == "1");
  EXPECT_EQ(Variables::SaisieSecteurBloquee, locked ? basis::True : basis::False);
  EXPECT_EQ(harness.Screen().AccessLevel(), locked ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Values, CounterTest,
                         ::testing::Values("0", "1", "2", "12", "", "abc", "40000", std::nullopt));

TEST_F(InitTest, LockedEntryLowersTheLevelUntilTheControlEnds) {
  SetCounter("2");
  Ctr_Sectorisation& c = harness.Open("A003");
  EXPECT_EQ(State().NiveauAccesInitial(), basis::Variant(2));
  EXPECT_TRUE(c.Cmd_OkSectorisation.Visible());
  for (const forms::Widget* field : std::vector<const forms::Widget*>{
           &c.Txt_SecteurAidant, &c.Cbo_LibSecteurAidant, &c.Txt_SousSecteurAidant,
           &c.Cbo_LibSousSecteurAidant, &c.Txt_QuartierAidant, &c.Cbo_LibQuartierAidant,
           &c.Cbo_LibMoyLocAidant})
    EXPECT_FALSE(field->Enabled()) << field->Name();
  EXPECT_TRUE(c.Txt_CentreMedAidant.Enabled() && c.Cbo_LibAntMedAidant.Enabled());
  harness.Close();
  EXPECT_EQ(harness.Screen().AccessLevel(), 2);
}

TEST_F(InitTest, LockedEntryForAReaderHidesOkAndNeverTouchesTheLevel) {
  SetCounter("2");
  harness.Screen().SetAccessLevel(1);
  Ctr_Sectorisation& c = harness.Open("A003");
  EXPECT_FALSE(c.Cmd_OkSectorisation.Visible());
  EXPECT_TRUE(State().NiveauAccesInitial().IsEmpty());
  EXPECT_TRUE(c.Txt_SecteurAidant.Enabled());
  harness.Screen().SetAccessLevel(3);  // changed by the host meanwhile
  harness.Close();
  EXPECT_EQ(harness.Screen().AccessLevel(), 3);
}

TEST_F(InitTest, UnknownAidantOpensAnEmptyCreationCaptionedWithItsCode) {
  EXPECT_EQ(harness.Open("A003").Etq_CodeNomPrenomAidant.Caption(), "A003   PETIT   Léa");
  Ctr_Sectorisation& c = harness.Open("ZZZ");
  EXPECT_EQ(c.Etq_CodeNomPrenomAidant.Caption(), "ZZZ      ");
  EXPECT_EQ(Variables::EnCreation, basis::True);
  EXPECT_FALSE(c.Cbo_LibSousSecteurAidant.Enabled() || c.Cbo_LibQuartierAidant.Enabled());
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "");
  EXPECT_EQ(c.Lst_Sel.ListCount(), 0);
}

TEST_F(InitTest, CreationProposesTheSectorOfTheAidantsCommuneOnly) {
  Ctr_Sectorisation& c = harness.Open("A002");
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "001");
  EXPECT_EQ(c.Cbo_LibSecteurAidant.Text(), "Centre-ville");
  EXPECT_EQ(State().ArticleInitial(), "");

  PutAidantOfCommune("A004", "75002");  // a commune without sector
  PutAidantOfCommune("A005", "99999");  // a commune that does not exist
  // A005 opens while A002's control still holds its commune and sector: a failed read of
  // the commune must not propose them again.
  for (const char* code : {"A005", "A004", "A003"}) {
    Ctr_Sectorisation second(harness.Host(), harness.Host());
    second.TheDatabase(store.Connection());
    second.DroitsUtilisateur(harness.Rights());
    second.W_Code = code;
    second.Init();
    EXPECT_EQ(second.Txt_SecteurAidant.Text(), "") << code;
  }
}

TEST_F(InitTest, ExistingSectorisationIsKeptAsReadAndTheFirstTabShown) {
  Ctr_Sectorisation& c = CreateConfigured("A001");
  c.Ong_Sectorisation.UserShowTab(1);
  c.Init();
  EXPECT_EQ(Variables::EnCreation, basis::False);
  EXPECT_EQ(State().ArticleInitial(), store.Get("CIVILAIDANT", "A001")->Text());
  EXPECT_EQ(c.Ong_Sectorisation.Tab(), 0);
}

TEST_F(InitTest, InitBeforeRightsOrDatabaseFailsToTheHost) {
  Ctr_Sectorisation& withoutRights = harness.Create();
  withoutRights.TheDatabase(store.Connection());
  EXPECT_EQ(ErrorNumberOf([&] { withoutRights.Init(); }), basis::kObjectNotSet);
  EXPECT_TRUE(Variables::F_CivilAidant.IsNothing());

  harness.Screen().SetAccessLevel(1);
  Ctr_Sectorisation& withoutDatabase = harness.Create();
  withoutDatabase.DroitsUtilisateur(harness.Rights());
  EXPECT_EQ(ErrorNumberOf([&] { withoutDatabase.Init(); }), basis::kObjectNotSet);
  EXPECT_FALSE(withoutDatabase.Cmd_OkSectorisation.Visible()) << "the rights came first";
}

}  // namespace
