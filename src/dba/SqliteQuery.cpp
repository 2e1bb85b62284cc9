#include "dba/SqliteQuery.h"

#include <sqlite3.h>

namespace dba {

SqliteQuery::~SqliteQuery() {
  sqlite3_reset(statement_.Handle());
  sqlite3_clear_bindings(statement_.Handle());
}

SqliteQuery& SqliteQuery::Bind(std::string_view text) {
  if (sqlite3_bind_text(statement_.Handle(), nextParameter_++, text.data(),
                        static_cast<int>(text.size()), SQLITE_STATIC) != SQLITE_OK) {
    RaiseSqliteFailure(statement_.Database());
  }
  return *this;
}

bool SqliteQuery::Next() {
  const int result = sqlite3_step(statement_.Handle());
  if (result == SQLITE_ROW)
    return true;
  if (result == SQLITE_DONE)
    return false;
  RaiseSqliteFailure(statement_.Database());
}

void SqliteQuery::Run() {
  while (Next()) {
  }
}

std::string_view SqliteQuery::Column(int index) const {
  const void* bytes = sqlite3_column_blob(statement_.Handle(), index);
  const int size = sqlite3_column_bytes(statement_.Handle(), index);
  return bytes ? std::string_view(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
               : std::string_view();
}

}  // namespace dba
