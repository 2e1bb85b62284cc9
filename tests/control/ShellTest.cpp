#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "ControlHarness.h"
#include "Ctr_SectorisationInspector.h"
#include "ErrorNumberOf.h"
#include "control/ContextIDs.h"
#include "control/Variables.h"
#include "forms/MessageStyle.h"

namespace {

constexpr long kWindow = 4242;  // the window handle ControlHarness gives

std::string CaptionOf(const forms::Widget& widget) {
  if (auto* label = dynamic_cast<const forms::Label*>(&widget))
    return label->Caption();
  if (auto* button = dynamic_cast<const forms::CommandButton*>(&widget))
    return button->Caption();
  if (auto* menu = dynamic_cast<const forms::Menu*>(&widget))
    return menu->Caption();
  return "";
}

template <class... Refs>
bool AllNothing(const Refs&... refs) {
  return (refs.IsNothing() && ...);
}

bool AllStoreObjectsReleased() {
  using namespace Variables;
  return AllNothing(F_CivilAidant, F_Tables, F_Secteur, F_SousSecteur, F_Quartier, F_CentreMedical,
                    F_AntenneMedicale, F_Communes, F_Compteur, TheDatabase) &&
         AllNothing(R_CivilAidant, R_MoyensLoc, R_Secteur, R_SousSecteur, R_Quartier,
                    R_CentreMedical, R_AntenneMedicale, R_Commune, R_Compteur, L_Secteur,
                    L_SousSecteur, L_Quartier, L_CentreMedical, L_AntenneMedicale);
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override { store.LoadStandardWorld(); }
  long CountOf(forms::HostEvent::Kind kind) {
    const auto& events = harness.Host().Events();
    return std::count_if(events.begin(), events.end(), [kind](auto& e) { return e.kind == kind; });
  }

  TestStore store;
  ControlHarness harness{store};
};

TEST_F(ShellTest, FreshControlFollowsTheLayout) {
  Ctr_Sectorisation& control = harness.Create();
  // clang-format off
  const std::map<std::string, std::string> captions = {
      {"Etq_Aidant", "Aidant : "}, {"Etq_SecteurAidant", "Secteur"},
      {"Etq_SousSecteurAidant", "Sous-Secteur"}, {"Etq_QuartierAidant", "Quartier"},
      {"Etq_CentreMedAidant", "Centre Médical"}, {"Etq_AntMedAidant", "Antenne Médicale"},
      {"Etq_MoyLocAidant", "Moyen de Locomotion"}, {"Etq_Pos", "Secteurs possibles"},
      {"Etq_Sel", "Secteurs sélectionnés"}, {"Cmd_Tous", "Tous"}, {"Cmd_Ajoute", "-->"},
      {"Cmd_Ote", "<--"}, {"Cmd_OkSectorisation", "OK"}, {"Cmd_RetourSectorisation", "Retour"},
      {"Mnu_Aide", "Aide"}, {"Mnu_Sommaire", "Aide_TARVENO"}};
  const std::vector<std::string> tabOrder = {
      "Cmd_OkSectorisation", "Cmd_RetourSectorisation", "Ong_Sectorisation", "Txt_AntMedAidant",
      "Txt_CentreMedAidant", "Txt_QuartierAidant", "Txt_SousSecteurAidant", "Txt_SecteurAidant",
      "Cbo_LibAntMedAidant", "Cbo_LibCentreMedAidant", "Cbo_LibMoyLocAidant",
      "Cbo_LibSecteurAidant", "Cbo_LibSousSecteurAidant", "Cbo_LibQuartierAidant", "Lst_Pos",
      "Lst_Sel", "Cmd_Ajoute", "Cmd_Tous", "Cmd_Ote"};
  // clang-format on
  for (const auto& [name, caption] : captions) {
    ASSERT_NE(control.UserControl.Find(name), nullptr) << name;
    EXPECT_EQ(CaptionOf(*control.UserControl.Find(name)), caption) << name;
  }
  EXPECT_EQ(control.Ong_Sectorisation.TabCaption(0), "Sectorisation");
  EXPECT_EQ(control.Ong_Sectorisation.TabCaption(1), "Secteurs associés");

  for (const forms::Widget* widget : control.UserControl.Widgets()) {
    const std::string& name = widget->Name();
    EXPECT_TRUE(widget->Enabled() && widget->Visible()) << name;
    const auto text = dynamic_cast<const forms::TextWidget*>(widget);
    const auto list = dynamic_cast<const forms::ItemList*>(widget);
    EXPECT_TRUE((!text || text->Text().empty()) && (!list || list->ListCount() == 0)) << name;
    const auto position = std::find(tabOrder.begin(), tabOrder.end(), name);
    EXPECT_EQ(widget->TabIndex(), position == tabOrder.end() ? -1 : position - tabOrder.begin())
        << name;
    const bool helped = name.starts_with("Txt_") || name.starts_with("Cbo_Lib") ||
                        name == "Cmd_OkSectorisation" || name == "Cmd_RetourSectorisation";
    EXPECT_EQ(widget->HelpContextID(), helped ? 10 : 0) << name;
  }
}

TEST_F(ShellTest, SettingTheDatabaseOpensNothingUntilInit) {
  auto connection = store.Client()->Connect("sqlite::memory:");  // no COMPTEUR file
  for (const char* file : {"CIVILAIDANT", "TABLES", "SECTEUR", "SOUSSECTEUR", "QUARTIER",
                           "CENTREMEDICAL", "ANTENNEMEDICALE", "COMMUNES"})
    connection->CreateFile(file);
  Ctr_Sectorisation& control = harness.Create();
  control.TheDatabase(connection);
  control.DroitsUtilisateur(harness.Rights());
  EXPECT_TRUE(Variables::F_CivilAidant.IsNothing());

  EXPECT_EQ(ErrorNumberOf([&] { control.Init(); }), basis::kFileNotFound);
  EXPECT_FALSE(Variables::F_Communes.IsNothing()) << "files opened before the failure stay open";
  EXPECT_EQ(control.Cbo_LibSecteurAidant.ListCount(), 0);
}

TEST_F(ShellTest, SecondRightsObjectReplacesTheFirst) {
  Ctr_Sectorisation& control = harness.Create();
  auto first = std::make_shared<rights::UserRights>();
  auto second = std::make_shared<rights::UserRights>();
  control.DroitsUtilisateur(first);
  control.DroitsUtilisateur(second);
  EXPECT_EQ(Ctr_SectorisationInspector(control).DroitsEcran(), second->RightsFor(kScreenKey).get());
  EXPECT_EQ(first.use_count(), 1);
}

TEST_F(ShellTest, TerminationWithoutInitLeavesTheLevelAndQuitsHelp) {
  harness.Create().DroitsUtilisateur(harness.Rights());
  harness.Screen().SetAccessLevel(5);  // changed by the host while the control lives
  harness.Close();
  EXPECT_EQ(harness.Screen().AccessLevel(), 5);
  const auto help = harness.Host().HelpCalls();
  ASSERT_EQ(help.size(), 1u);
  EXPECT_EQ(help[0].command, 2);
  EXPECT_EQ(help[0].window, kWindow);
  EXPECT_EQ(help[0].text, ContextIDs::FichierAide);
}

TEST_F(ShellTest, TerminationReleasesEverythingButTheClient) {
  harness.Open("A001");
  auto rights = harness.Rights();
  const long users = rights.use_count();
  harness.Close();
  EXPECT_TRUE(AllStoreObjectsReleased());
  EXPECT_EQ(Variables::TheClient.Shared(), store.Client());
  EXPECT_EQ(rights.use_count(), users - 1);
}

TEST_F(ShellTest, ControlsShareTheStoreAndAnyTerminationReleasesIt) {
  Ctr_Sectorisation& first = harness.Open("A003");
  std::make_unique<Ctr_Sectorisation>(harness.Host(), harness.Host(), 77).reset();
  EXPECT_EQ(ContextIDs::FenetreAide, 77) << "help belongs to the control created last";
  EXPECT_TRUE(AllStoreObjectsReleased());

  first.Cbo_LibSecteurAidant.UserPick(0);  // meets the released sector list
  const auto messages = harness.Host().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].style, forms::kStyleError);
  EXPECT_EQ(messages[0].text, forms::Surface::ErrorText(basis::Error(basis::kObjectNotSet)));
}

TEST_F(ShellTest, HelpFileLiesBesideTheBinaryHoldingTheControl) {
  EXPECT_EQ(ContextIDs::CheminFichierAide("/opt/delvaro"), "/opt/delvaro/Delvaro.HLP");
  EXPECT_EQ(ContextIDs::CheminFichierAide("/"), "/Delvaro.HLP");
  EXPECT_EQ(ContextIDs::CheminFichierAide("/srv/ "), "/srv/ Delvaro.HLP");
  harness.Create();
  const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  EXPECT_EQ(ContextIDs::FichierAide, (folder / "Delvaro.HLP").string());
}

TEST_F(ShellTest, RightButtonAloneOffersTheHelpContents) {
  Ctr_Sectorisation& control = harness.Create();
  control.Mnu_Sommaire.SetEnabled(false);
  for (basis::Integer button : {1, 3, 4})
    control.UserControl.UserMouseDown(button);
  EXPECT_EQ(CountOf(forms::HostEvent::Kind::Popup), 0);
  control.UserControl.UserMouseDown(2);
  EXPECT_EQ(CountOf(forms::HostEvent::Kind::Popup), 1);
  ASSERT_TRUE(control.Mnu_Sommaire.Enabled());

  control.Mnu_Sommaire.UserClick();
  const auto help = harness.Host().HelpCalls();
  ASSERT_EQ(help.size(), 1u);
  EXPECT_EQ(help[0].command, 11);
  EXPECT_EQ(help[0].text, ContextIDs::FichierAide);
  EXPECT_EQ(help[0].window, kWindow);
}

}  // namespace
