#pragma once

#include "basis/Export.h"

#include <memory>
#include <string>

#include "dba/DatabaseConnection.h"
#include "dba/OpenMode.h"

namespace dba {

// Opens connections: "sqlite:PATH" or "sqlite::memory:" (a private in-memory store).
class DELVARO_EXPORT DatabaseClient {
 public:
  // kOpenExisting never writes: a missing file or a database that is not a Delvaro store
  // raises kStorageFailure and is left byte for byte as it was. kCreateIfMissing creates
  // the file and the store's tables when they are missing. A malformed address raises
  // kInvalidProcedureCall.
  std::shared_ptr<DatabaseConnection> Connect(const std::string& address,
                                              OpenMode mode = OpenMode::kOpenExisting);
};

}  // namespace dba
