#pragma once

#include <functional>
#include <string>
#include <vector>

#include "RecordingStorage.h"

struct sqlite3;
struct sqlite3_stmt;

// The floor under the product: the same reads and writes sent straight to SQLite
// through prepared statements on a connection of its own, each row's columns touched
// and nothing kept. Writes go in one transaction, as the product sends them.
class RawFloor {
 public:
  explicit RawFloor(const std::string& path);
  ~RawFloor();
  RawFloor(const RawFloor&) = delete;
  RawFloor& operator=(const RawFloor&) = delete;

  void Run(const std::vector<RecordingStorage::Access>& accesses);
  // Reads every record of a file in key order; gives the number of rows.
  long ReadFile(const std::string& file);
  // Inserts records in one transaction, through the callback's calls.
  void InsertAll(
      const std::function<void(const std::function<void(const std::string&, const std::string&,
                                                        const std::string&)>&)>& produce);

 private:
  void Execute(const char* sql);
  sqlite3_stmt* Prepare(const char* sql);
  long Step(sqlite3_stmt* statement);

  sqlite3* db_ = nullptr;
  sqlite3_stmt* read_ = nullptr;
  sqlite3_stmt* scanFrom_ = nullptr;
  sqlite3_stmt* scanBetween_ = nullptr;
  sqlite3_stmt* write_ = nullptr;
};
