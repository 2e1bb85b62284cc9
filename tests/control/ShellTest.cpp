#include <algorithm>
#include <filesystem>

#include "ScreenTest.h"
#include "control/ContextIDs.h"

namespace {

constexpr long kWindow = 4242;  // the window handle ControlHarness gives

template <class... Refs>
bool AllNothing(const Refs&... refs) {
  return (refs.IsNothing() && ...);
}

bool AllStoreObjectsReleased() {
  using namespace Variables;
  return AllNothing(F_CivilAidant, F_Tables, F_Secteur, F_SousSecteur, F_Quartier, F_CentreMedical,
                    F_AntenneMedicale, F_Communes, F_Compteur, TheDatabase, R_CivilAidant,
                    R_MoyensLoc, R_Secteur, R_SousSecteur, R_Quartier, R_CentreMedical,
                    R_AntenneMedicale, R_Commune, R_Compteur, L_Secteur, L_SousSecteur, L_Quartier,
                    L_CentreMedical, L_AntenneMedicale);
}

// The single help call the host saw, with the command asked.
void ExpectOneHelpCall(const forms::ScriptedHost& host, long command) {
  const auto help = host.HelpCalls();
  ASSERT_EQ(help.size(), 1u);
  EXPECT_EQ(std::tuple(help[0].command, help[0].window, help[0].text),
            std::tuple(command, kWindow, ContextIDs::FichierAide));
}

using ShellTest = ScreenTest;

TEST_F(ShellTest, FreshControlFollowsTheLayout) {
  Ctr_Sectorisation& c = Fresh().Create();
  // clang-format off
  const std::pair<std::string, std::string> captions[] = {
      {c.Etq_Aidant.Caption(), "Aidant : "}, {c.Etq_SecteurAidant.Caption(), "Secteur"},
      {c.Etq_SousSecteurAidant.Caption(), "Sous-Secteur"},
      {c.Etq_QuartierAidant.Caption(), "Quartier"},
      {c.Etq_CentreMedAidant.Caption(), "Centre Médical"},
      {c.Etq_AntMedAidant.Caption(), "Antenne Médicale"},
      {c.Etq_MoyLocAidant.Caption(), "Moyen de Locomotion"},
      {c.Etq_Pos.Caption(), "Secteurs possibles"}, {c.Etq_Sel.Caption(), "Secteurs sélectionnés"},
      {c.Cmd_Tous.Caption(), "Tous"}, {c.Cmd_Ajoute.Caption(), "-->"}, {c.Cmd_Ote.Caption(), "<--"},
      {c.Cmd_OkSectorisation.Caption(), "OK"}, {c.Cmd_RetourSectorisation.Caption(), "Retour"},
      {c.Mnu_Aide.Caption(), "Aide"}, {c.Mnu_Sommaire.Caption(), "Aide_TARVENO"},
      {c.Ong_Sectorisation.TabCaption(0), "Sectorisation"},
      {c.Ong_Sectorisation.TabCaption(1), "Secteurs associés"}};
  const Texts tabOrder = {
      "Cmd_OkSectorisation", "Cmd_RetourSectorisation", "Ong_Sectorisation", "Txt_AntMedAidant",
      "Txt_CentreMedAidant", "Txt_QuartierAidant", "Txt_SousSecteurAidant", "Txt_SecteurAidant",
      "Cbo_LibAntMedAidant", "Cbo_LibCentreMedAidant", "Cbo_LibMoyLocAidant",
      "Cbo_LibSecteurAidant", "Cbo_LibSousSecteurAidant", "Cbo_LibQuartierAidant", "Lst_Pos",
      "Lst_Sel", "Cmd_Ajoute", "Cmd_Tous", "Cmd_Ote"};
  // clang-format on
  for (const auto& [shown, caption] : captions)
    EXPECT_EQ(shown, caption);

  for (const forms::Widget* widget : c.UserControl.Widgets()) {
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

// The host may hand everything over long before Init, or never call it.
TEST_F(ShellTest, WithoutInitNothingIsOpenedTheLastRightsWinAndTheLevelIsKept) {
  Ctr_Sectorisation& c = Fresh().Create();
  c.TheDatabase(store.Connection());
  auto first = std::make_shared<rights::UserRights>();
  c.DroitsUtilisateur(first);
  c.DroitsUtilisateur(harness->Rights());
  EXPECT_TRUE(AllNothing(Variables::F_CivilAidant, Variables::F_Secteur, Variables::L_Secteur));
  EXPECT_EQ(State().DroitsEcran(), &harness->Screen());
  EXPECT_EQ(first.use_count(), 1);
  harness->Screen().SetAccessLevel(5);
  harness->Close();
  EXPECT_EQ(harness->Screen().AccessLevel(), 5);
  ExpectOneHelpCall(Host(), 2);
}

// The store objects belong to the process: a second control's termination releases all
// the first still uses but the client, and the error the first then meets is shown.
TEST_F(ShellTest, AnyTerminationReleasesTheSharedStoreAndAnErrorOfAUserActionIsShown) {
  Ctr_Sectorisation& first = Open("A001");
  std::make_unique<Ctr_Sectorisation>(Host(), Host(), 77).reset();
  EXPECT_EQ(ContextIDs::FenetreAide, 77) << "help belongs to the control created last";
  EXPECT_TRUE(AllStoreObjectsReleased());
  EXPECT_EQ(Variables::TheClient.Shared(), store.Client());

  first.Cbo_LibSecteurAidant.UserPick(0);
  ExpectOnlyMessage(forms::Surface::ErrorText(basis::Error(basis::kObjectNotSet)),
                    forms::kStyleError);
}

// Tests and replays start each run from a new process by one assignment, which must reach
// every name the screen's code uses.
TEST_F(ShellTest, AFreshProcessStateForgetsWhatAnyControlLeft) {
  store.SetCounter("2");
  Open("A001");
  ASSERT_FALSE(AllStoreObjectsReleased() || Variables::TheClient.IsNothing());
  ASSERT_EQ(Variables::SaisieSecteurBloquee, basis::True);
  TheProcess = ProcessState{};
  EXPECT_TRUE(AllStoreObjectsReleased() && Variables::TheClient.IsNothing());
  EXPECT_EQ(Variables::SaisieSecteurBloquee, basis::False);
  EXPECT_EQ(std::tuple(ContextIDs::FenetreAide, ContextIDs::FichierAide),
            std::tuple(0, std::string("DELVARO.HLP")));
}

TEST_F(ShellTest, HelpFileLiesBesideTheBinaryHoldingTheControl) {
  EXPECT_EQ(ContextIDs::CheminFichierAide("/opt/delvaro"), "/opt/delvaro/Delvaro.HLP");
  EXPECT_EQ(ContextIDs::CheminFichierAide("/"), "/Delvaro.HLP");
  Fresh().Create();
  const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  EXPECT_EQ(ContextIDs::FichierAide, (folder / "Delvaro.HLP").string());
}

TEST_F(ShellTest, RightButtonAloneOffersTheHelpContents) {
  Ctr_Sectorisation& c = Fresh().Create();
  c.Mnu_Sommaire.SetEnabled(false);
  for (basis::Integer button : {1, 3, 4})
    c.UserControl.UserMouseDown(button);
  EXPECT_TRUE(Host().Events().empty());
  c.UserControl.UserMouseDown(2);
  ASSERT_EQ(Host().Events().size(), 1u);
  EXPECT_EQ(Host().Events()[0].kind, forms::HostEvent::Kind::Popup);
  c.Mnu_Sommaire.UserClick();  // the menu was enabled again to be shown
  ExpectOneHelpCall(Host(), 11);
}

}  // namespace
