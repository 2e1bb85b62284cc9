#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "DbCommandLine.h"
#include "dba/DatabaseConnection.h"

// delvaro-db: keeps the reference data of a record store. Errors go to err with status
// 1, a wrong command line gives the usage with status 2, and nothing is half-written.
class DbTool {
 public:
  DbTool(std::istream& in, std::ostream& out, std::ostream& err) : in_(in), out_(out), err_(err) {}

  // arguments: the command line without the program name. Returns the exit status.
  int Run(const std::vector<std::string>& arguments);

 private:
  void Execute(const DbCommandLine& line);
  void Create(dba::DatabaseConnection& connection, const std::vector<std::string>& files);
  void Show(dba::DatabaseConnection& connection, const std::string& file, const std::string& key);
  void Query(dba::DatabaseConnection& connection, const std::string& statement,
             const std::string& columns);
  void ReportLoaded(long records);

  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
};
