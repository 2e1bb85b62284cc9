#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "dba/DatabaseConnection.h"

// The commands of delvaro-db that keep the users' rights: rights LOGIN, grant LOGIN
// SCREEN LEVEL and revoke LOGIN SCREEN.
class RightsCommands {
 public:
  static bool Handles(const std::string& command);
  // Checks a rights command's operands before anything is opened: a LEVEL other than 0,
  // 1 or 2 throws DbCommandLine::UsageError.
  static void Check(const std::string& command, const std::vector<std::string>& operands);

  RightsCommands(dba::DatabaseConnection& connection, std::ostream& out, std::ostream& err)
      : connection_(connection), out_(out), err_(err) {}

  // Runs a checked command. What it did goes to out, damaged rights to err; a failure of
  // the store is thrown with nothing written.
  void Run(const std::string& command, const std::vector<std::string>& operands);

 private:
  void Show(const std::string& login);
  void Grant(const std::string& login, const std::string& screen, const std::string& level);
  void Revoke(const std::string& login, const std::string& screen);
  // What a login whose rights were just changed had before: its own record, or one made.
  static std::string OwnRecordNote(const std::string& recordKeyBefore, const std::string& login);

  dba::DatabaseConnection& connection_;
  std::ostream& out_;
  std::ostream& err_;
};
