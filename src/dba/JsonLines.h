#pragma once

#include "basis/Export.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dba/DatabaseConnection.h"

namespace dba {

class InputLines;

// Records as JSON Lines (one RecordJson line each), for the tools, the host and the
// replayer alike.
class DELVARO_EXPORT JsonLines {
 public:
  // Loads every line into the connection, all or nothing, in one transaction: each line
  // is checked and written in turn, creating its file as needed, and the first error
  // (naming its line) rolls everything back. Blank lines are skipped; a record given
  // twice is an error naming both lines. A stream is read a chunk at a time: memory
  // does not grow with the input (beyond twelve bytes a record, to find records given
  // twice). Returns the number of records loaded.
  static long Load(DatabaseConnection& connection, std::string_view text);
  static long Load(DatabaseConnection& connection, std::istream& input);

  // Writes the records of the given files (every file, in name order, when none is
  // given), file after file, each in key order. An unknown file raises kFileNotFound
  // before anything is written.
  static void Export(DatabaseConnection& connection, const std::vector<std::string>& files,
                     std::ostream& output);

 private:
  static long Load(DatabaseConnection& connection, InputLines& lines);
};

}  // namespace dba
