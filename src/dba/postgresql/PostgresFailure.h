#pragma once

#include <string>

struct pg_conn;
struct pg_result;

namespace dba {

// What the user was doing when the server failed: the message tells whether work was lost.
enum class PostgresActivity { kReading, kSaving };

// True when the connection to the server is gone (server stopped or restarted, network
// cut), from libpq's own state or from the server's last words (a shutdown, a
// connection failure).
bool PostgresConnectionLost(pg_conn* connection, const pg_result* result);

// Raises basis::kDatabaseUnreachable: "La base de données est injoignable : CAUSE", and
// while saving, that the changes were not saved.
[[noreturn]] void RaiseDatabaseUnreachable(const std::string& cause, PostgresActivity activity);

// Raises the failure of a statement: kDatabaseUnreachable when the connection is lost,
// otherwise basis::kStorageFailure naming in French what the server met (disk full,
// permission denied, lock unavailable, deadlock, corrupt data...) followed by its own
// code and message.
[[noreturn]] void RaisePostgresFailure(pg_conn* connection, const pg_result* result,
                                       PostgresActivity activity);

}  // namespace dba
