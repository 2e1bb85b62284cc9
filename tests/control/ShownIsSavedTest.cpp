#include "ScreenTest.h"

// What the screen shows is what it saves, whichever way it is left.
namespace {

constexpr const char* kSaveQuestion =
    "Voulez-vous enregistrer les modifications apportées à cet article ?";

class ShownIsSavedTest : public ScreenTest {
 protected:
  std::string Stored(long attribute) { return store.Element("CIVILAIDANT", "A001", attribute); }
  std::string StoredA001() { return store.Get("CIVILAIDANT", "A001")->Text(); }
};

TEST_F(ShownIsSavedTest, ClosingTheWindowAsksWhatRetourAsksAndCancelKeepsItOpen) {
  auto& c = Open("A001");
  const std::string before = StoredA001();
  c.Lst_Sel.UserSelect({0});
  c.Cmd_Ote.UserClick();

  Host().QueueAnswer(forms::kAnswerCancel);
  EXPECT_FALSE(c.UserControl.UserQueryUnload());
  EXPECT_EQ(Host().BeepCount(), 1);
  ExpectOnlyMessage(kSaveQuestion, forms::kStyleYesNoCancelQuestion);
  EXPECT_FALSE(Host().Unloaded());
  EXPECT_EQ(c.W_SortirSectorisation, basis::False);

  // Yes with a missing choice keeps it open too, with the usual message.
  c.Cbo_LibQuartierAidant.UserEdit("");
  Host().QueueAnswer(forms::kAnswerYes);
  EXPECT_FALSE(c.UserControl.UserQueryUnload());
  EXPECT_EQ(Host().Messages().back().text, "Vous devez choisir un quartier.");
  EXPECT_EQ(StoredA001(), before);

  Host().ClearEvents();
  c.Txt_QuartierAidant.UserType("01");
  Host().QueueAnswer(forms::kAnswerYes);
  EXPECT_TRUE(c.UserControl.UserQueryUnload());
  EXPECT_EQ(c.W_SortirSectorisation, basis::True);
  EXPECT_EQ(Stored(43), "012");
  // The window the control unloaded while closing closes without a second question.
  EXPECT_TRUE(c.UserControl.UserQueryUnload());
  EXPECT_EQ(Host().Messages().size(), 1u);
}

TEST_F(ShownIsSavedTest, ClosingWithoutAChangeOrAtLevelOneClosesAtOnceAndWritesNothing) {
  const std::string before = StoredA001();
  for (int level : {2, 1}) {
    auto& c = Open("A001", level);
    if (level == 1)
      Pick(c.Cbo_LibMoyLocAidant, "À pied");
    EXPECT_TRUE(c.UserControl.UserQueryUnload()) << level;
    EXPECT_TRUE(Host().Messages().empty()) << level;
    EXPECT_EQ(c.W_SortirSectorisation, basis::True);
    EXPECT_EQ(StoredA001(), before);
  }
  // A creation at level 2 asks whether to quit it; No keeps the window.
  auto& c = Open("A003");
  Host().QueueAnswer(forms::kAnswerNo);
  EXPECT_FALSE(c.UserControl.UserQueryUnload());
  ExpectOnlyMessage("Etes-vous sûr de vouloir quitter cette création ?",
                    forms::kStyleYesNoQuestion);
}

TEST_F(ShownIsSavedTest, ALabelTypedButNotChosenIsNoChoiceInItsTurn) {
  auto& c = Open("A001");
  const std::string before = StoredA001();
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
  EXPECT_EQ(StoredA001(), before);

  // An empty label still leaves the focus where it was.
  c.Cbo_LibCentreMedAidant.UserEdit("");
  c.Cmd_OkSectorisation.UserClick();
  ExpectOnlyMessage("Vous devez choisir un centre médical.");
  EXPECT_FALSE(c.Cbo_LibCentreMedAidant.HasFocus());
}

TEST_F(ShownIsSavedTest, FreeTextAsTheAntennaLabelIsNeverWrittenAsAHalfKey) {
  auto& c = Open("A001");
  const std::string before = StoredA001();
  c.Txt_AntMedAidant.UserEdit("");
  c.Cbo_LibAntMedAidant.UserEdit("Antenne provisoire");
  Host().QueueAnswer(forms::kAnswerYes);
  c.Cmd_RetourSectorisation.UserClick();
  EXPECT_EQ(Host().Messages().back().text, "Vous devez choisir une antenne médicale.");
  EXPECT_TRUE(c.Cbo_LibAntMedAidant.HasFocus());
  EXPECT_FALSE(Host().Unloaded());
  EXPECT_EQ(StoredA001(), before);
}

TEST_F(ShownIsSavedTest, ADistrictPickedByLabelPutsItsOwnCentreAndAntennaInTheBoxes) {
  store.Put("QUARTIER", "0010103", {"Quai C", "020002"});
  for (bool throughOk : {true, false}) {
    store.LoadStandardWorld();
    auto& c = Open("A001");
    Pick(c.Cbo_LibQuartierAidant, "Quai C");
    EXPECT_EQ(Levels(c),
              "001|Centre-ville|01|Gare|03|Quai C|020|Clinique Sud|002|Antenne Halles|Vélo|");
    EXPECT_EQ(State().CodeAntenneMedicale(), "020002");
    // A code typed next is looked up under the centre shown.
    c.Txt_AntMedAidant.UserKeyPress(8);
    c.Txt_AntMedAidant.UserType("001");
    EXPECT_TRUE(Host().Messages().empty());
    EXPECT_EQ(c.Cbo_LibAntMedAidant.Text(), "Antenne Marché");
    if (throughOk) {
      c.Cmd_OkSectorisation.UserClick();
    } else {
      Host().QueueAnswer(forms::kAnswerYes);
      c.Cmd_RetourSectorisation.UserClick();
      EXPECT_EQ(Host().BeepCount(), 1);
    }
    EXPECT_TRUE(Host().Unloaded());
    EXPECT_EQ(Stored(33), "0010103") << throughOk;
    EXPECT_EQ(Stored(35), "020001") << throughOk;
  }
}

TEST_F(ShownIsSavedTest, AnotherDistrictWithTheSameAntennaStillShowsTheAntennaLabel) {
  store.Put("QUARTIER", "0010103", {"Quai C", "010001"});
  auto& c = Open("A001");
  c.Txt_QuartierAidant.UserKeyPress(8);
  c.Txt_QuartierAidant.UserType("03");
  EXPECT_EQ(Levels(c),
            "001|Centre-ville|01|Gare|03|Quai C|010|Hôpital Nord|001|Antenne Gare|Vélo|");
  c.Cmd_OkSectorisation.UserClick();
  EXPECT_TRUE(Host().Messages().empty());
  EXPECT_EQ(Stored(33), "0010103");
}

TEST_F(ShownIsSavedTest, ATransportWhoseCodeIsNoNumberCannotBeChosen) {
  store.Put("TABLES", "MOYENSLOC",
            {"", TestStore::Values({"1", "2", "V3"}),
             TestStore::Values({"Voiture", "Vélo", "Trottinette"})});
  auto& c = Open("A001");
  Pick(c.Cbo_LibMoyLocAidant, "Trottinette");
  ExpectOnlyMessage(
      "Le moyen de locomotion « Trottinette » ne peut pas être choisi : son code « V3 » dans "
      "l'enregistrement MOYENSLOC du fichier TABLES n'est pas un nombre entier de -32768 à "
      "32767.");
  EXPECT_EQ(c.Cbo_LibMoyLocAidant.Text(), "Vélo");
  EXPECT_EQ(State().CodeMoyenLoc(), 2);
  Pick(c.Cbo_LibMoyLocAidant, "Voiture");
  c.Cmd_OkSectorisation.UserClick();
  EXPECT_EQ(Stored(34), "1");
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
  EXPECT_FALSE(Host().Unloaded());
  EXPECT_EQ(store.Get("CIVILAIDANT", "Z999"), nullptr);
}

}  // namespace
