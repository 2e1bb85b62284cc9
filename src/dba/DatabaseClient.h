#pragma once

#include "basis/Export.h"

#include <memory>
#include <string>

#include "dba/DatabaseConnection.h"
#include "dba/OpenMode.h"

namespace dba {

// Opens connections, the engine chosen by the address:
// - "sqlite:PATH": an embedded file; "sqlite::memory:": a private in-memory store;
// - "postgresql://..." or "postgres://...": a PostgreSQL server, the address being a
//   libpq connection URI (host, port, user, database, sslmode...; the password from
//   ~/.pgpass or PGPASSWORD). The server's schema is created when missing whatever the
//   mode, since any workstation of an office may be the first to connect.
// With an SQLite address, kOpenExisting never writes: a missing file or a database that
// is not a Delvaro store raises kStorageFailure and is left byte for byte as it was;
// kCreateIfMissing creates the file and the store's tables when they are missing.
// Raises kInvalidProcedureCall for an address of no known form (or a server address in
// a build without PostgreSQL), kDatabaseUnreachable when the server cannot be reached,
// kStorageFailure when the store cannot be opened.
class DELVARO_EXPORT DatabaseClient {
 public:
  std::shared_ptr<DatabaseConnection> Connect(const std::string& address,
                                              OpenMode mode = OpenMode::kOpenExisting);
};

}  // namespace dba
