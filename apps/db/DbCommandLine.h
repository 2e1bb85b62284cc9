#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The command line of delvaro-db, checked before anything is opened.
struct DbCommandLine {
  // A command line that does not fit the usage; the tool exits with status 2.
  class UsageError : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
  };

  bool help = false;
  std::string database;
  std::string command;
  std::vector<std::string> operands;
  std::optional<std::string> columns;

  // The commands that write records, and so may make the database when it is missing.
  bool CreatesDatabase() const;

  static DbCommandLine Parse(const std::vector<std::string>& arguments);
  static const char* Usage();
};
