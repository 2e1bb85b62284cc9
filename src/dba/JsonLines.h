#pragma once

#include "basis/Export.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dba/DatabaseConnection.h"

namespace dba {

// Records as JSON Lines (one RecordJson line each), for the tools, the host and the
// replayer alike.
class DELVARO_EXPORT JsonLines {
 public:
  // Loads every line into the connection, all or nothing: each line is checked before
  // anything is written, then all records are written in one transaction, creating
  // their files as needed. Blank lines are skipped; a record given twice is an error
  // naming both lines. Returns the number of records loaded.
  static long Load(DatabaseConnection& connection, std::string_view text);
  static long Load(DatabaseConnection& connection, std::istream& input);

  // Writes the records of the given files (every file, in name order, when none is
  // given), file after file, each in key order. An unknown file raises kFileNotFound
  // before anything is written.
  static void Export(DatabaseConnection& connection, const std::vector<std::string>& files,
                     std::ostream& output);
};

}  // namespace dba
