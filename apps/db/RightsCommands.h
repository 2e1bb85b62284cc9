#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "dba/DatabaseConnection.h"

// The commands of delvaro-db that keep the users' rights: rights LOGIN, grant LOGIN
// SCREEN LEVEL and revoke LOGIN SCREEN.
// The command line declares them in RightsCommand.cpp.
class RightsCommands {
 public:
  RightsCommands(dba::DatabaseConnection& connection, std::ostream& out, std::ostream& err)
      : connection_(connection), out_(out), err_(err) {}

  // What each did goes to out, damaged rights to err; a failure of the store is thrown
  // with nothing written. level: "0", "1" or "2", checked by the command line.
  void Show(const std::string& login);
  void Grant(const std::string& login, const std::string& screen, const std::string& level);
  void Revoke(const std::string& login, const std::string& screen);

  // Why level is not one, as a French sentence; empty when it is 0, 1 or 2.
  static std::string LevelProblem(const std::string& level);

 private:
  // What a login whose rights were just changed had before: its own record, or one made.
  static std::string OwnRecordNote(const std::string& recordKeyBefore, const std::string& login);

  dba::DatabaseConnection& connection_;
  std::ostream& out_;
  std::ostream& err_;
};
