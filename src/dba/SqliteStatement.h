#pragma once

#include <string_view>

#include "dba/SqliteFailure.h"

struct sqlite3_stmt;

namespace dba {

// A statement prepared once and run many times through SqliteQuery.
class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, std::string_view sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  sqlite3* Database() const { return db_; }
  sqlite3_stmt* Handle() const { return statement_; }

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace dba
