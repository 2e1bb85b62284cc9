#pragma once

#include <QStringList>
#include <optional>
#include <stdexcept>
#include <string>

namespace host {

// What delvaro-host was asked to do.
struct HostOptions {
  std::string database;      // empty: the settings file's address, else the demo database
  std::string aidant;        // open this aidant's screen directly, exit when it is left
  std::optional<int> level;  // lowers the access level the database grants
  std::string screenshot;
  std::string record;
  bool help = false;
  bool version = false;
};

// A command line that cannot be followed; what() says why in one French line.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// arguments: the command line without the program name. Options take their value as
// "--name VALUE" or "--name=VALUE"; an unknown option, a missing or empty value, a level
// outside 0 to 2, a stray argument or --screenshot without --aidant throws UsageError.
// Needs no application object.
HostOptions ParseHostOptions(const QStringList& arguments);
const char* HostUsage();

}  // namespace host
