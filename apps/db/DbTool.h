#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "DbCommand.h"

// delvaro-db: keeps the reference data of a record store. A failure goes to err with
// status 1 and nothing half-written; a wrong command line gives one French line and a
// hint to --help with status 2. Used from the main thread only.
class DbTool {
 public:
  DbTool(std::istream& in, std::ostream& out, std::ostream& err) : streams_{in, out, err} {}

  // arguments: the command line without the program name. Returns the exit status.
  int Run(const std::vector<std::string>& arguments);

 private:
  ToolStreams streams_;
};
