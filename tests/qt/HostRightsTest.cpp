// The host's rights: the level read from the store for the session's login, lowered but
// never raised by --level, and shown with the login in the status bar.
#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>
#include <sstream>

#include "TestStore.h"
#include "host/AidantListWindow.h"
#include "host/HostOptions.h"
#include "host/HostRights.h"
#include "rights/RightsStore.h"
#include "rights/SessionLogin.h"

namespace {

constexpr const char* kScreen = "DOSAIDANTSECTEUR";

TEST(HostRightsTest, TheCommandLineMayLowerTheStoredLevelButNeverRaiseIt) {
  EXPECT_EQ(host::EffectiveLevel(2, std::nullopt, "alice"), 2);
  EXPECT_EQ(host::EffectiveLevel(0, std::nullopt, "alice"), 0);
  EXPECT_EQ(host::EffectiveLevel(2, 1, "alice"), 1);
  EXPECT_EQ(host::EffectiveLevel(1, 1, "alice"), 1);
  try {
    host::EffectiveLevel(1, 2, "alice");
    ADD_FAILURE() << "raised";
  } catch (const host::UsageError& error) {
    EXPECT_STREQ(error.what(),
                 "--level 2 refusé : « alice » n'a que le niveau 1 sur l'écran "
                 "DOSAIDANTSECTEUR ; --level peut abaisser ce niveau, jamais l'élever");
  }
  EXPECT_THROW(host::EffectiveLevel(2, 3, "alice"), host::UsageError);
  EXPECT_THROW(host::EffectiveLevel(2, -1, "alice"), host::UsageError);
}

TEST(HostRightsTest, TheSessionsLoginGetsItsStoredLevelShownInTheStatusBar) {
  TestStore store;
  store.LoadStandardWorld();
  store.Connection()->CreateFile(rights::RightsStore::kFile);
  const std::string login = rights::OperatingSystemLogin();
  store.Put(rights::RightsStore::kFile, login, {kScreen, "1"});
  store.Put(rights::RightsStore::kFile, "*", {kScreen, "2"});
  std::ostringstream warnings;

  const host::HostRights stored = host::LoadHostRights(*store.Connection(), std::nullopt, warnings);
  EXPECT_EQ(stored.login, login);
  EXPECT_EQ(stored.level, 1);
  EXPECT_EQ(stored.rights->RightsFor(kScreen)->AccessLevel(), 1);
  EXPECT_THROW(host::LoadHostRights(*store.Connection(), 2, warnings), host::UsageError);
  const host::HostRights lowered = host::LoadHostRights(*store.Connection(), 0, warnings);
  EXPECT_EQ(lowered.rights->RightsFor(kScreen)->AccessLevel(), 0);
  EXPECT_EQ(warnings.str(), "");

  host::AidantListWindow list(store.Connection());
  host::ShowSession(list, lowered);
  const auto* shown = list.statusBar()->findChild<QLabel*>("utilisateur");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->text().toStdString(),
            "Utilisateur : " + login +
                " — niveau 0 (consultation, abaissé par --level ; 1 dans la base)");
  EXPECT_EQ(host::DescribeSession(stored).toStdString(),
            "Utilisateur : " + login + " — niveau 1 (consultation)");
}

}  // namespace
