#pragma once

#include "basis/Export.h"

#include <string>

#include "dba/DatabaseConnection.h"

namespace rights {

// The login whose rights apply on connection: the user the engine authenticated (a
// PostgreSQL server's session user, never a name the workstation claims), else, for an
// embedded file, the operating system's login. A failure of the store is thrown.
DELVARO_EXPORT std::string SessionLogin(dba::DatabaseConnection& connection);

// The operating system's login name of the process's effective user, taken from the
// user database rather than from the environment (USER or LOGNAME), which anyone can set
// at will. When the user database does not know the user, the user's number, as text.
DELVARO_EXPORT std::string OperatingSystemLogin();

}  // namespace rights
