#pragma once

#include <QStringList>
#include <optional>
#include <stdexcept>
#include <string>

namespace host {

// What delvaro-host was asked to do.
struct HostOptions {
  std::string database;      // empty: the demo database in the user's data folder
  std::string aidant;        // open this aidant's screen directly, exit when it is left
  std::optional<int> level;  // lowers the access level the database grants
  std::string screenshot;
  std::string record;
  bool help = false;
};

// A command line that cannot be followed; what() says why, in the user's language.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// arguments: the command line without the program name.
HostOptions ParseHostOptions(const QStringList& arguments);
const char* HostUsage();

}  // namespace host
