#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "dba/DatabaseConnection.h"
#include "rights/UserRights.h"

namespace host {

// Who works in the host and what they may do on the sectorisation screen.
struct HostRights {
  std::string login;
  std::shared_ptr<rights::UserRights> rights;
  int storedLevel = 0;  // as the rights file grants it
  int level = 0;        // as the screens open with it
};

// The level the screens open with: the stored level, or the requested one when it is not
// higher. The command line may lower the rights of the database, never raise them: a
// requested level above the stored one, or other than 0, 1 or 2, throws UsageError, in
// French, naming the login.
int EffectiveLevel(int storedLevel, std::optional<int> requested, const std::string& login);

// Reads the rights of the session's login from the store and lowers them as requested.
// Damaged rights, and a login with no rights at all, are reported on warnings. A failure
// of the store is thrown as basis::Error, a refused request as UsageError.
HostRights LoadHostRights(dba::DatabaseConnection& connection, std::optional<int> requested,
                          std::ostream& warnings);

// The login and the level, as the status bar shows them.
QString DescribeSession(const HostRights& rights);
// Puts that description in window's status bar, for as long as the window lives.
void ShowSession(QMainWindow& window, const HostRights& rights);

}  // namespace host
