#include "dba/SqliteStatement.h"

#include <sqlite3.h>

namespace dba {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
  if (sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                         &statement_, nullptr) != SQLITE_OK) {
    RaiseSqliteFailure(db);
  }
}

SqliteStatement::~SqliteStatement() {
  sqlite3_finalize(statement_);
}

}  // namespace dba
