#include <string>

#include "ScreenTest.h"
#include "basis/ErrorNumber.h"

namespace {

using SavingTest = ScreenTest;

TEST_F(SavingTest, OnlyTheFirstMissingChoiceIsReportedAndNothingIsWritten) {
  auto& c = Open("A003");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage("Vous devez choisir un secteur.");
  c.Txt_SecteurAidant.UserType("001");
  c.Txt_SousSecteurAidant.UserType("01");
  c.Cmd_OkSectorisation.UserClick();
  EXPECT_FALSE(Host().Unloaded());
  ExpectOnlyMessage("Vous devez choisir un quartier.");
  EXPECT_EQ(c.W_SortirSectorisation, basis::False);
  EXPECT_EQ(store.Element("CIVILAIDANT", "A003", 31), "");
}

TEST_F(SavingTest, OkWritesTheChoicesAndTheSelectedSectorsInListOrderAndKeepsTheRest) {
  store.Put("SECTEUR", "017", {"Ouest"});
  store.Put("SECTEUR", "120", {"Plateau"});
  std::map<long, std::string> aidant = {
      {2, "DURAND"},   {5, TestStore::Values({"x", "y"})},
      {31, "001"},     {32, "00101"},
      {33, "0010101"}, {34, "2"},
      {35, "010001"},  {43, TestStore::Values({"001", "002", "003", "012", "002"})},
      {50, "fin"}};
  PutAidant("A010", aidant);
  auto& c = Open("A010");
  c.Lst_Sel.UserSelect({0, 1, 2, 3, 4});
  c.Cmd_Ote.UserClick();
  AddSectors(c, {"Sud", "Ouest", "Plateau"});
  Pick(c.Cbo_LibMoyLocAidant, "À pied");
  c.Cmd_OkSectorisation.UserClick();

  EXPECT_TRUE(Host().Messages().empty());
  EXPECT_TRUE(Host().Unloaded());
  EXPECT_EQ(c.W_SortirSectorisation, basis::True);
  aidant[34] = "4";
  aidant[43] = TestStore::Values({"003", "017", "120"});
  PutAidant("EXPECTED", aidant);
  EXPECT_EQ(store.Get("CIVILAIDANT", "A010")->Text(), store.Get("CIVILAIDANT", "EXPECTED")->Text());
}

// Another user changes the means of transport while the screen is open.
TEST_F(SavingTest, RefusedWriteKeepsTheScreenOpenAndALaterMissingChoiceStillStopsOk) {
  auto& c = Open("A001");
  auto otherUser = [this](const std::string& transport) {
    auto record = store.Get("CIVILAIDANT", "A001");
    record->Replace(34, transport);
    record->DBWrite();
  };
  otherUser("3");
  Pick(c.Cbo_LibMoyLocAidant, "À pied");
  c.Cmd_OkSectorisation.UserClick();
  ASSERT_EQ(Host().Messages().size(), 1u);
  EXPECT_EQ(Host().Messages()[0].style, forms::kStyleError);
  EXPECT_NE(Host().Messages()[0].text.find(std::to_string(basis::kWriteConflict)),
            std::string::npos);
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 34), "3");
  EXPECT_EQ(c.W_SortirSectorisation, basis::False);
  EXPECT_FALSE(Host().Unloaded());

  // The clash gone, a check that passed once must not let a missing district through.
  otherUser("2");
  Host().ClearEvents();
  c.Cbo_LibQuartierAidant.UserEdit("");
  c.Cmd_OkSectorisation.UserClick();
  EXPECT_FALSE(Host().Unloaded());
  ExpectOnlyMessage("Vous devez choisir un quartier.");
  EXPECT_EQ(store.Element("CIVILAIDANT", "A001", 34), "2");
}

}  // namespace
