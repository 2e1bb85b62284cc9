#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "dba/DatabaseClient.h"
#include "dba/DatabaseConnection.h"

namespace host {

// The database the host works on, through its own connection: the screens share it and
// their termination releases only the control's reference.
struct HostStore {
  std::shared_ptr<dba::DatabaseClient> client;
  std::shared_ptr<dba::DatabaseConnection> connection;
  std::string name;  // the database as messages name it (never with a password)
};

// The address the host opens: the command line's when given, else the key
// database/address of the settings file (the user's own, then the workstation's one under
// /etc/xdg), else "" for the demo database. Call it once the organisation and application
// names are known to QSettings or with them unset: the file is Delvaro/Delvaro.conf.
std::string ChooseDatabaseAddress(const std::string& commandLine);

// Opens the database at address (sqlite:PATH, a bare PATH of an SQLite file, or a
// postgresql:// or postgres:// address), which must exist and hold the nine files of the
// screen. An empty address is the demo database in the user's data folder, created from
// the demo data on first run; its path is written to out. A failure is a basis::Error
// whose description names the database and what is wrong.
HostStore OpenHostStore(const std::string& address, std::ostream& out);

// The demo database's place in the user's data folder.
std::string DefaultDatabasePath();

}  // namespace host
