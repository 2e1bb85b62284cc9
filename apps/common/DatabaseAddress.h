#pragma once

#include <optional>
#include <string>

namespace appsupport {

// What a user types after --db, turned into the address DatabaseClient::Connect takes.
class DatabaseAddress {
 public:
  // sqlite:PATH, sqlite::memory:, postgresql://… and postgres://… are kept untouched; a
  // bare path names an SQLite file. Nothing for an address no engine takes: an empty
  // one, an empty path, another scheme.
  static std::optional<std::string> FromTyped(const std::string& typed);

  // The French reason FromTyped refused typed, for a command-line validator; empty when
  // it takes it.
  static std::string Problem(const std::string& typed);

  // The SQLite file an address of FromTyped names; nothing for memory or a server.
  static std::optional<std::string> SqliteFile(const std::string& address);
};

}  // namespace appsupport
