#include <optional>

#include "ScreenTest.h"

namespace {

using InitTest = ScreenTest;

TEST_F(InitTest, StoredSectorisationIsShownLevelByLevelUpToAStaleCode) {
  const std::tuple<const char*, const char*, std::string> cases[] = {
      // A district no longer in the file stops the display after the sub-sector.
      {"0010199", "2", "001|Centre-ville|01|Gare||||||||"},
      // A means of transport missing from the table shows no label, the rest goes on.
      {"0010102", "9", "001|Centre-ville|01|Gare|02|Quai B|010|Hôpital Nord|001|Antenne Gare||"}};
  for (const auto& [district, transport, shown] : cases) {
    store.PutAidant("A010",
                    {{31, "001"}, {32, "00101"}, {33, district}, {34, transport}, {35, "010001"}});
    EXPECT_EQ(Levels(Open("A010")), shown);
  }
}

TEST_F(InitTest, InitCaptionsTheAidantShowsTheFirstTabAndOpensAnUnknownOneEmpty) {
  auto& c = Open("ZZZ");
  EXPECT_EQ(c.Etq_CodeNomPrenomAidant.Caption(), "ZZZ      ");
  EXPECT_EQ(Variables::EnCreation, basis::True);
  EXPECT_FALSE(c.Cbo_LibSousSecteurAidant.Enabled() || c.Cbo_LibQuartierAidant.Enabled());
  EXPECT_TRUE(c.Txt_SecteurAidant.Text().empty() && c.Lst_Sel.ListCount() == 0);

  c.Ong_Sectorisation.UserShowTab(1);
  c.W_Code = "A003";
  c.Init();
  EXPECT_EQ(c.Etq_CodeNomPrenomAidant.Caption(), "A003   PETIT   Léa");
  EXPECT_EQ(c.Ong_Sectorisation.Tab(), 0);
}

TEST_F(InitTest, CreationProposesTheSectorOfTheAidantsCommuneOnly) {
  auto& c = Open("A002");
  EXPECT_EQ(c.Txt_SecteurAidant.Text() + c.Cbo_LibSecteurAidant.Text(), "001Centre-ville");

  store.PutAidant("A004", {{39, "75002"}});  // a commune without sector
  store.PutAidant("A005", {{39, "99999"}});  // a commune that does not exist
  // A005 opens while A002's control still holds its commune and sector: a failed read of
  // the commune must not propose them again.
  for (const char* code : {"A005", "A004", "A003"}) {
    Ctr_Sectorisation second(Host(), Host());
    second.TheDatabase(store.Connection());
    second.DroitsUtilisateur(harness->Rights());
    second.W_Code = code;
    second.Init();
    EXPECT_EQ(second.Txt_SecteurAidant.Text(), "") << code;
  }
}

class CounterTest : public ScreenTest,
                    public ::testing::WithParamInterface<std::optional<std::string>> {};

// Only 0 and 1 leave sector entry open: a counter that is missing or unreadable locks
// it, and the level then reads 1 until the control ends.
TEST_P(CounterTest, CounterDecidesWhetherSectorEntryIsLocked) {
  const std::optional<std::string>& value = GetParam();
  value ? store.SetCounter(*value) : store.Remove("COMPTEUR", "999");
  auto& c = Open("A003");
  const bool locked = !(value == "0" || value == "1");
  EXPECT_EQ(Variables::SaisieSecteurBloquee, locked ? basis::True : basis::False);
  EXPECT_EQ(harness->Screen().AccessLevel(), locked ? 1 : 2);
  EXPECT_EQ(c.Txt_SecteurAidant.Enabled(), !locked);
  EXPECT_EQ(c.Cbo_LibMoyLocAidant.Enabled(), !locked);
  harness->Close();
  EXPECT_EQ(harness->Screen().AccessLevel(), 2);
}

INSTANTIATE_TEST_SUITE_P(Values, CounterTest,
                         ::testing::Values("0", "1", "2", "12", "", "abc", "40000", std::nullopt));

TEST_F(InitTest, LockedEntryForAReaderHidesOkAndNeverTouchesTheLevel) {
  store.SetCounter("2");
  auto& c = Open("A003", 1);
  EXPECT_FALSE(c.Cmd_OkSectorisation.Visible());
  harness->Screen().SetAccessLevel(3);  // changed by the host meanwhile
  harness->Close();
  EXPECT_EQ(harness->Screen().AccessLevel(), 3);
}

TEST_F(InitTest, InitBeforeRightsOrDatabaseFailsToTheHost) {
  Ctr_Sectorisation& withoutRights = Fresh().Create();
  withoutRights.TheDatabase(store.Connection());
  EXPECT_EQ(ErrorNumberOf([&] { withoutRights.Init(); }), basis::kObjectNotSet);

  harness->Screen().SetAccessLevel(1);
  Ctr_Sectorisation& withoutDatabase = harness->Create();
  withoutDatabase.DroitsUtilisateur(harness->Rights());
  EXPECT_EQ(ErrorNumberOf([&] { withoutDatabase.Init(); }), basis::kObjectNotSet);
  EXPECT_FALSE(withoutDatabase.Cmd_OkSectorisation.Visible()) << "the rights came first";
}

}  // namespace
