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
  std::string path;
};

// Opens the database at path, which must exist and hold the nine files of the screen.
// An empty path is the demo database in the user's data folder, created from the demo
// data on first run; its path is written to out. A failure is a basis::Error whose
// description names the database and what is wrong.
HostStore OpenHostStore(const std::string& path, std::ostream& out);

// The demo database's place in the user's data folder.
std::string DefaultDatabasePath();

}  // namespace host
