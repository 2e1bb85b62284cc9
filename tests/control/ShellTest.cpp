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

TEST_F(ShellTest, HelpFileLiesBesideTheBinaryHoldingTheControl) {
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
