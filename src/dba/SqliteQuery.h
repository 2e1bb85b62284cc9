#pragma once

#include <string_view>

#include "dba/SqliteStatement.h"

namespace dba {

// One run of a prepared statement. The statement is reset when the run ends, so no read
// snapshot outlives it: later reads see what other connections have committed since.
class SqliteQuery {
 public:
  explicit SqliteQuery(SqliteStatement& statement) : statement_(statement) {}
  ~SqliteQuery();
  SqliteQuery(const SqliteQuery&) = delete;
  SqliteQuery& operator=(const SqliteQuery&) = delete;

  // Binds the next parameter. The bytes are not copied: the text must stay as it is until
  // the query ends (its end clears the bindings).
  SqliteQuery& Bind(std::string_view text);
  // Steps once; true while a row is available.
  bool Next();
  // Steps to the end.
  void Run();
  // The bytes of a column of the current row, valid until the next step.
  std::string_view Column(int index) const;

 private:
  SqliteStatement& statement_;
  int nextParameter_ = 1;
};

}  // namespace dba
