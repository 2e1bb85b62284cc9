#pragma once

namespace dba {

// How DatabaseClient::Connect treats a store that is not there yet.
enum class OpenMode {
  // Opens what exists and writes nothing on the way.
  kOpenExisting,
  // Creates the database file and/or schema when missing.
  kCreateIfMissing,
};

}  // namespace dba
