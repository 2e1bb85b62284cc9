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

TEST(HostRightsTest, TheSessionsLoginGetsItsStoredLevelShownInTheStatusBar) {
  TestStore store;
  store.LoadStandardWorld();
  store.Connection()->CreateFile(rights::RightsStore::kFile);
  const std::string login = rights::OperatingSystemLogin();
  store.Put(rights::RightsStore::kFile, login, {kScreen, "1"});
  store.Put(rights::RightsStore::kFile, "*", {kScreen, "2"});
  std::ostringstream warnings;

  const host::HostRights stored = host::LoadHostRights(*store.Connection(), std::nullopt, warnings);
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
