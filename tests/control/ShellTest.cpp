#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ControlHarness.h"
#include "Ctr_SectorisationInspector.h"
#include "ErrorNumberOf.h"
#include "control/ContextIDs.h"
#include "control/Variables.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Menu.h"
#include "forms/MessageStyle.h"

namespace {

using forms::HostEvent;

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

std::vector<basis::Ref<dba::DatabaseFile>*> AllFiles() {
  using namespace Variables;
  return {&F_CivilAidant,   &F_Tables,          &F_Secteur,  &F_SousSecteur, &F_Quartier,
          &F_CentreMedical, &F_AntenneMedicale, &F_Communes, &F_Compteur};
}

std::vector<basis::Ref<dba::DynamicArray>*> AllRecordsAndLists() {
  using namespace Variables;
  return {&R_CivilAidant,   &R_MoyensLoc,       &R_Secteur,       &R_SousSecteur,    &R_Quartier,
          &R_CentreMedical, &R_AntenneMedicale, &R_Commune,       &R_Compteur,       &L_Secteur,
          &L_SousSecteur,   &L_Quartier,        &L_CentreMedical, &L_AntenneMedicale};
}

std::vector<HostEvent> EventsOfKind(const forms::ScriptedHost& host, HostEvent::Kind kind) {
  std::vector<HostEvent> events;
  for (const HostEvent& event : host.Events()) {
    if (event.kind == kind)
      events.push_back(event);
  }
  return events;
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override { store.LoadStandardWorld(); }

  TestStore store;
  ControlHarness harness{store};
};

TEST_F(ShellTest, FreshControlHasEveryWidgetCaptionedEnabledVisibleAndEmpty) {
  Ctr_Sectorisation& control = harness.Create();
  const std::map<std::string, std::string> captions = {{"Etq_Aidant", "Aidant : "},
                                                       {"Etq_CodeNomPrenomAidant", ""},
                                                       {"Etq_SecteurAidant", "Secteur"},
                                                       {"Etq_SousSecteurAidant", "Sous-Secteur"},
                                                       {"Etq_QuartierAidant", "Quartier"},
                                                       {"Etq_CentreMedAidant", "Centre Médical"},
                                                       {"Etq_AntMedAidant", "Antenne Médicale"},
                                                       {"Etq_MoyLocAidant", "Moyen de Locomotion"},
                                                       {"Etq_Pos", "Secteurs possibles"},
                                                       {"Etq_Sel", "Secteurs sélectionnés"},
                                                       {"Cmd_Tous", "Tous"},
                                                       {"Cmd_Ajoute", "-->"},
                                                       {"Cmd_Ote", "<--"},
                                                       {"Cmd_OkSectorisation", "OK"},
                                                       {"Cmd_RetourSectorisation", "Retour"},
                                                       {"Mnu_Aide", "Aide"},
                                                       {"Mnu_Sommaire", "Aide_TARVENO"}};
  for (const auto& [name, caption] : captions) {
    const forms::Widget* widget = control.UserControl.Find(name);
    ASSERT_NE(widget, nullptr) << name;
    EXPECT_EQ(CaptionOf(*widget), caption) << name;
  }
  ASSERT_EQ(control.Ong_Sectorisation.TabCount(), 2);
  EXPECT_EQ(control.Ong_Sectorisation.TabCaption(0), "Sectorisation");
  EXPECT_EQ(control.Ong_Sectorisation.TabCaption(1), "Secteurs associés");

  for (const forms::Widget* widget : control.UserControl.Widgets()) {
    EXPECT_TRUE(widget->Enabled()) << widget->Name();
    EXPECT_TRUE(widget->Visible()) << widget->Name();
    if (auto* text = dynamic_cast<const forms::TextWidget*>(widget)) {
      EXPECT_EQ(text->Text(), "") << widget->Name();
    }
    if (auto* list = dynamic_cast<const forms::ItemList*>(widget)) {
      EXPECT_EQ(list->ListCount(), 0) << widget->Name();
    }
  }
}

TEST_F(ShellTest, FocusOrderAndHelpContextsFollowTheLayout) {
  Ctr_Sectorisation& control = harness.Create();
  const std::vector<std::string> tabOrder = {"Cmd_OkSectorisation",
                                             "Cmd_RetourSectorisation",
                                             "Ong_Sectorisation",
                                             "Txt_AntMedAidant",
                                             "Txt_CentreMedAidant",
                                             "Txt_QuartierAidant",
                                             "Txt_SousSecteurAidant",
                                             "Txt_SecteurAidant",
                                             "Cbo_LibAntMedAidant",
                                             "Cbo_LibCentreMedAidant",
                                             "Cbo_LibMoyLocAidant",
                                             "Cbo_LibSecteurAidant",
                                             "Cbo_LibSousSecteurAidant",
                                             "Cbo_LibQuartierAidant",
                                             "Lst_Pos",
                                             "Lst_Sel",
                                             "Cmd_Ajoute",
                                             "Cmd_Tous",
                                             "Cmd_Ote"};
  std::map<std::string, int> expectedIndex;
  for (std::size_t i = 0; i < tabOrder.size(); ++i)
    expectedIndex[tabOrder[i]] = static_cast<int>(i);

  for (const forms::Widget* widget : control.UserControl.Widgets()) {
    const std::string& name = widget->Name();
    const auto found = expectedIndex.find(name);
    EXPECT_EQ(widget->TabIndex(), found == expectedIndex.end() ? -1 : found->second) << name;
    const bool editsOrLeaves = name.starts_with("Txt_") || name.starts_with("Cbo_Lib") ||
                               name == "Cmd_OkSectorisation" || name == "Cmd_RetourSectorisation";
    EXPECT_EQ(widget->HelpContextID(), editsOrLeaves ? 10 : 0) << name;
  }
}

TEST_F(ShellTest, SettingTheDatabaseOpensNothingUntilInit) {
  // A store without the counter file: only opening it can fail.
  auto connection = store.Client()->Connect("sqlite::memory:");
  for (const char* file : {"CIVILAIDANT", "TABLES", "SECTEUR", "SOUSSECTEUR", "QUARTIER",
                           "CENTREMEDICAL", "ANTENNEMEDICALE", "COMMUNES"})
    connection->CreateFile(file);
  Ctr_Sectorisation& control = harness.Create();
  control.TheDatabase(connection);
  for (auto* file : AllFiles())
    EXPECT_TRUE(file->IsNothing());

  control.DroitsUtilisateur(harness.Rights());
  control.W_Code = "A001";
  EXPECT_EQ(ErrorNumberOf([&] { control.Init(); }), basis::kFileNotFound);
  EXPECT_FALSE(Variables::F_Communes.IsNothing()) << "files opened before the failure stay open";
  EXPECT_TRUE(Variables::F_Compteur.IsNothing());
  EXPECT_EQ(control.Cbo_LibSecteurAidant.ListCount(), 0);
}

TEST_F(ShellTest, SecondRightsObjectReplacesTheFirst) {
  Ctr_Sectorisation& control = harness.Create();
  auto first = std::make_shared<rights::UserRights>();
  auto second = std::make_shared<rights::UserRights>();
  control.DroitsUtilisateur(first);
  control.DroitsUtilisateur(second);
  EXPECT_EQ(Ctr_SectorisationInspector(control).DroitsEcran(), second->RightsFor(kScreenKey).get());
  EXPECT_EQ(first.use_count(), 1) << "the first rights object is released";
}

TEST_F(ShellTest, TerminationWithoutInitLeavesTheLevelAndQuitsHelp) {
  Ctr_Sectorisation& control = harness.Create();
  control.DroitsUtilisateur(harness.Rights());
  harness.Screen().SetAccessLevel(5);  // changed by the host while the control lives
  harness.Host().ClearEvents();
  harness.Close();

  EXPECT_EQ(harness.Screen().AccessLevel(), 5);
  const auto help = harness.Host().HelpCalls();
  ASSERT_EQ(help.size(), 1u);
  EXPECT_EQ(help[0].command, 2);
  EXPECT_EQ(help[0].window, kWindow);
  EXPECT_EQ(help[0].text, ContextIDs::FichierAide);
}

TEST_F(ShellTest, TerminationReleasesEverythingButTheClient) {
  harness.Open("A003");
  auto rights = harness.Rights();
  const long rightsUsers = rights.use_count();
  ASSERT_FALSE(Variables::R_CivilAidant.IsNothing());
  ASSERT_FALSE(Variables::L_Secteur.IsNothing());
  harness.Close();

  for (auto* file : AllFiles())
    EXPECT_TRUE(file->IsNothing());
  for (auto* array : AllRecordsAndLists())
    EXPECT_TRUE(array->IsNothing());
  EXPECT_TRUE(Variables::TheDatabase.IsNothing());
  EXPECT_EQ(Variables::TheClient.Shared(), store.Client());
  EXPECT_EQ(rights.use_count(), rightsUsers - 1) << "the rights are released";
}

TEST_F(ShellTest, ControlsOfOneProcessShareTheirState) {
  Ctr_Sectorisation& first = harness.Open("A003");
  {
    Ctr_Sectorisation second(harness.Host(), harness.Host(), 77);
    EXPECT_EQ(ContextIDs::FenetreAide, 77) << "help opens for the control created last";
    EXPECT_EQ(Variables::TheDatabase.Shared(), store.Connection());
  }
  EXPECT_TRUE(Variables::F_Secteur.IsNothing()) << "the second control released the first's files";

  // The first control meets the released lists as an error shown to the user.
  harness.Host().ClearEvents();
  first.Cbo_LibSecteurAidant.UserPick(0);
  const auto messages = harness.Host().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].style, forms::kStyleError);
  EXPECT_EQ(messages[0].title, forms::kMessageTitle);
  EXPECT_EQ(messages[0].text, forms::Surface::ErrorText(basis::Error(basis::kObjectNotSet)));
}

TEST_F(ShellTest, HelpFileLiesBesideTheBinaryOfTheControl) {
  EXPECT_EQ(ContextIDs::CheminFichierAide("/opt/delvaro/lib"), "/opt/delvaro/lib/Delvaro.HLP");
  EXPECT_EQ(ContextIDs::CheminFichierAide("/"), "/Delvaro.HLP");
  EXPECT_EQ(ContextIDs::CheminFichierAide("/srv/ "), "/srv/ Delvaro.HLP");

  harness.Create();
  const auto program = std::filesystem::read_symlink("/proc/self/exe");
  EXPECT_EQ(ContextIDs::FichierAide, (program.parent_path() / "Delvaro.HLP").string());
  EXPECT_EQ(ContextIDs::FenetreAide, kWindow);
}

TEST_F(ShellTest, OnlyTheRightButtonPopsTheHelpMenu) {
  Ctr_Sectorisation& control = harness.Create();
  control.Mnu_Sommaire.SetEnabled(false);
  for (basis::Integer button : {1, 3, 4})
    control.UserControl.UserMouseDown(button);
  EXPECT_TRUE(EventsOfKind(harness.Host(), HostEvent::Kind::Popup).empty());
  EXPECT_FALSE(control.Mnu_Sommaire.Enabled());

  control.UserControl.UserMouseDown(2);
  const auto popups = EventsOfKind(harness.Host(), HostEvent::Kind::Popup);
  ASSERT_EQ(popups.size(), 1u);
  EXPECT_EQ(popups[0].text, "Mnu_Aide");
  EXPECT_TRUE(control.Mnu_Sommaire.Enabled());
}

TEST_F(ShellTest, HelpMenuItemShowsTheContents) {
  Ctr_Sectorisation& control = harness.Create();
  harness.Host().ClearEvents();
  control.Mnu_Sommaire.UserClick();
  const auto help = harness.Host().HelpCalls();
  ASSERT_EQ(help.size(), 1u);
  EXPECT_EQ(help[0].command, 11);
  EXPECT_EQ(help[0].window, kWindow);
  EXPECT_EQ(help[0].text, ContextIDs::FichierAide);
  EXPECT_EQ(help[0].data, 0);
}

}  // namespace
