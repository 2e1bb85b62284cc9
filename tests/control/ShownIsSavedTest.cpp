#include "ScreenTest.h"

// What the screen shows is what it saves, whichever way it is left.
namespace {

using ShownIsSavedTest = ScreenTest;

TEST_F(ShownIsSavedTest, ClosingTheWindowIsLeavingThroughRetour) {
  const std::string before = Stored("A001");
  // Nothing changed, or level 1: it closes at once and writes nothing.
  for (int level : {2, 1}) {
    auto& c = Open("A001", level);
    if (level == 1)
      Pick(c.Cbo_LibMoyLocAidant, "À pied");
    EXPECT_TRUE(c.UserControl.UserQueryUnload()) << level;
    EXPECT_TRUE(Host().Messages().empty()) << level;
    EXPECT_EQ(c.W_SortirSectorisation, basis::True);
    EXPECT_EQ(Stored("A001"), before);
  }
  auto& creation = Open("A003");
  Host().QueueAnswer(forms::kAnswerNo);
  EXPECT_FALSE(creation.UserControl.UserQueryUnload());
  ExpectCreationQuestion();

  auto& c = Open("A001");
  c.Lst_Sel.UserSelect({0});
  c.Cmd_Ote.UserClick();
  Host().QueueAnswer(forms::kAnswerCancel);
  EXPECT_FALSE(c.UserControl.UserQueryUnload());
  EXPECT_EQ(Host().BeepCount(), 1);
  ExpectSaveQuestion();
  EXPECT_EQ(c.W_SortirSectorisation, basis::False);
  // Yes with a missing choice keeps it open too, with the usual message.
  c.Cbo_LibQuartierAidant.UserEdit("");
  Host().QueueAnswer(forms::kAnswerYes);
  EXPECT_FALSE(c.UserControl.UserQueryUnload());
  EXPECT_EQ(Host().Messages().back().text, "Vous devez choisir un quartier.");
  EXPECT_FALSE(Host().Unloaded());
  EXPECT_EQ(Stored("A001"), before);

  Host().ClearEvents();
  c.Txt_QuartierAidant.UserType("01");
  Host().QueueAnswer(forms::kAnswerYes);
  EXPECT_TRUE(c.UserControl.UserQueryUnload());
  EXPECT_EQ(Stored("A001", 43), "012");
  // The window the control unloaded while closing closes without a second question.
  EXPECT_TRUE(c.UserControl.UserQueryUnload());
  EXPECT_EQ(Host().Messages().size(), 1u);
}

TEST_F(ShownIsSavedTest, ALabelTypedButNotChosenIsNoChoiceInItsTurn) {
  auto& c = Open("A001");
  const std::string before = Stored("A001");
  // The label of another sector, typed: the code is still 001's.
  c.Cbo_LibSecteurAidant.UserEdit("Nord");
  c.Cbo_LibQuartierAidant.UserEdit("Quai");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage("Vous devez choisir un secteur.");
  EXPECT_TRUE(c.Cbo_LibSecteurAidant.HasFocus());

  // Picked again, the next text that is no choice is reported, in order.
  Pick(c.Cbo_LibSecteurAidant, "Centre-ville");
  Pick(c.Cbo_LibSousSecteurAidant, "Gare");
  Pick(c.Cbo_LibQuartierAidant, "Quai A");
  c.Cbo_LibCentreMedAidant.UserEdit("Hôpital");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage("Vous devez choisir un centre médical.");
  EXPECT_TRUE(c.Cbo_LibCentreMedAidant.HasFocus());
  // An empty label still leaves the focus where it was.
  c.Cbo_LibCentreMedAidant.UserEdit("");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage("Vous devez choisir un centre médical.");
  EXPECT_FALSE(c.Cbo_LibCentreMedAidant.HasFocus());
  EXPECT_EQ(Stored("A001"), before);

  // Free text as the antenna's label is never written as half a key, through Retour either.
  auto& other = Open("A001");
  other.Txt_AntMedAidant.UserEdit("");
  other.Cbo_LibAntMedAidant.UserEdit("Antenne provisoire");
  Retour(other, forms::kAnswerYes);
  EXPECT_EQ(Host().Messages().back().text, "Vous devez choisir une antenne médicale.");
  EXPECT_TRUE(other.Cbo_LibAntMedAidant.HasFocus());
  EXPECT_FALSE(Host().Unloaded());
  EXPECT_EQ(Stored("A001"), before);
}

TEST_F(ShownIsSavedTest, ADistrictPickedByLabelPutsItsOwnCentreAndAntennaInTheBoxes) {
  store.Put("QUARTIER", "0010103", {"Quai C", "020002"});
  for (bool throughOk : {true, false}) {
    store.LoadStandardWorld();
    auto& c = Open("A001");
    Pick(c.Cbo_LibQuartierAidant, "Quai C");
    EXPECT_EQ(Levels(c),
              "001|Centre-ville|01|Gare|03|Quai C|020|Clinique Sud|002|Antenne Halles|Vélo|");
    // A code typed next is looked up under the centre shown.
    c.Txt_AntMedAidant.UserKeyPress(8);
    c.Txt_AntMedAidant.UserType("001");
    EXPECT_TRUE(Host().Messages().empty());
    EXPECT_EQ(c.Cbo_LibAntMedAidant.Text(), "Antenne Marché");
    throughOk ? c.Cmd_OkSectorisation.UserClick() : Retour(c, forms::kAnswerYes);
    EXPECT_EQ(Host().BeepCount(), throughOk ? 0 : 1);
    EXPECT_TRUE(Host().Unloaded());
    EXPECT_EQ(Stored("A001", 33) + " " + Stored("A001", 35), "0010103 020001") << throughOk;
  }
  // Typed instead, another district with the same antenna as before shows its label again.
  store.LoadStandardWorld();
  store.Put("QUARTIER", "0010103", {"Quai C", "010001"});
  auto& c = Open("A001");
  c.Txt_QuartierAidant.UserKeyPress(8);
  c.Txt_QuartierAidant.UserType("03");
  EXPECT_EQ(Levels(c),
            "001|Centre-ville|01|Gare|03|Quai C|010|Hôpital Nord|001|Antenne Gare|Vélo|");
}

// The list offers one label per code; a label listed twice stands for its first code.
TEST_F(ShownIsSavedTest, ATransportWhoseCodeIsNoNumberCannotBeChosen) {
  store.Put("TABLES", "MOYENSLOC",
            {"", TestStore::Values({"1", "2", "V3", "7"}),
             TestStore::Values({"Voiture", "Vélo", "Trottinette", "Voiture", "Bus"})});
  auto& c = Open("A001");
  EXPECT_EQ(Entries(c.Cbo_LibMoyLocAidant), (Texts{"Voiture", "Vélo", "Trottinette", "Voiture"}));
  c.Cbo_LibMoyLocAidant.UserPick(3);
  EXPECT_EQ(State().CodeMoyenLoc(), 1);
  Pick(c.Cbo_LibMoyLocAidant, "Vélo");
  Pick(c.Cbo_LibMoyLocAidant, "Trottinette");
  ExpectOnlyMessage(
      "Le moyen de locomotion « Trottinette » ne peut pas être choisi : son code « V3 » dans "
      "l'enregistrement MOYENSLOC du fichier TABLES n'est pas un nombre entier de -32768 à "
      "32767.");
  EXPECT_EQ(c.Cbo_LibMoyLocAidant.Text(), "Vélo");
  EXPECT_EQ(State().CodeMoyenLoc(), 2);
}

TEST_F(ShownIsSavedTest, AnAidantWithoutARecordIsNamedClearlyInsteadOfAnObjectError) {
  auto& c = Open("Z999");
  c.Txt_SecteurAidant.UserType("001");
  c.Txt_SousSecteurAidant.UserType("01");
  c.Txt_QuartierAidant.UserType("01");
  const std::string expected =
      "Erreur -2147221493 : L'aidant « Z999 » n'existe pas dans le fichier CIVILAIDANT : sa "
      "sectorisation ne peut être ni lue ni enregistrée.";
  ExpectOnlyMessage(expected, forms::kStyleError);
  Pick(c.Cbo_LibCentreMedAidant, "Hôpital Nord");
  Pick(c.Cbo_LibAntMedAidant, "Antenne Gare");
  Pick(c.Cbo_LibMoyLocAidant, "Vélo");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage(expected, forms::kStyleError);
  EXPECT_EQ(store.Get("CIVILAIDANT", "Z999"), nullptr);
}

}  // namespace
