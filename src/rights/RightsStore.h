#pragma once

#include "basis/Export.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "dba/DatabaseConnection.h"
#include "rights/LoginRights.h"
#include "rights/UserRights.h"

namespace rights {

// The rights kept in the record store: the file DROITSUTILISATEURS holds one record per
// login (screen keys in attribute 1, their levels in attribute 2, value by value), and
// the record "*" holds the rights of every login that has no record of its own. A login's
// own record replaces "*" whole; a screen that the applying record does not name is
// granted level 0. Calls run on the caller's thread, like the connection's.
class DELVARO_EXPORT RightsStore {
 public:
  static constexpr const char* kFile = "DROITSUTILISATEURS";
  static constexpr const char* kEveryLogin = "*";

  explicit RightsStore(dba::DatabaseConnection& connection) : connection_(connection) {}

  // The record that applies to login. A store without the rights file grants nothing.
  // A failure of the store is thrown as basis::Error.
  LoginRights Find(const std::string& login);

  // The rights of login as the control uses them. Each damaged entry of the applying
  // record is reported on warnings, one line each, and grants no more than level 0 or
  // the lowest level read for its screen; a login with no applying record is reported
  // too. A failure of the store is thrown.
  std::shared_ptr<UserRights> Load(const std::string& login, std::ostream& warnings);

  // Gives login the level on screen, in one transaction, creating the rights file when
  // it is missing. A login that had no record of its own gets one, starting from the
  // rights of "*" it had until now, so that only this screen changes for it (later
  // changes of "*" no longer reach it). A level other than 0, 1 or 2 or an unusable
  // login or screen is an invalid call (5); a failure of the store (a role that may not
  // write, a clash with another writer) is thrown with nothing written.
  void Grant(const std::string& login, const std::string& screen, std::int32_t level);

  // Takes screen from login, which has level 0 on it from then on, with the same start
  // from "*" as Grant. False, nothing written, when login had no entry for screen.
  bool Revoke(const std::string& login, const std::string& screen);

 private:
  // Runs change on the record that applies to login, written back as login's own record
  // when change returns true.
  bool Change(const std::string& login, const std::function<bool(RightsRecord&)>& change);

  dba::DatabaseConnection& connection_;
};

}  // namespace rights
