#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace dba {

// What a SQLite result code means, in French: "le disque est plein", "la base est
// verrouillée par un autre programme"... Extended codes are told by their primary code.
std::string SqliteCause(int resultCode);

// Raises a storage failure (kStorageFailure) that says first, in French, what failed,
// then the library's own words for support, and carries the extended result code as the
// error's engine code. context starts the sentence ("Erreur de la base de données").
[[noreturn]] void RaiseSqliteFailure(int extendedCode, std::string_view detail,
                                     const std::string& context);

// The same for the connection's last failure.
[[noreturn]] void RaiseSqliteFailure(sqlite3* db);

}  // namespace dba
