#pragma once

namespace dba {

// What opening a database may do to it.
enum class OpenMode {
  // Opens a store that exists and never writes: a missing file or a database that is not
  // a Delvaro store is an error and is left as it was.
  kOpenExisting,
  // Creates the file and the store's tables when they are missing; an existing store is
  // opened as it is, and a database holding another application's tables is refused.
  kCreateIfMissing,
};

}  // namespace dba
