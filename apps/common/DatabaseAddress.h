#pragma once

#include <optional>
#include <string>

namespace appsupport {

// What the programs take for --db: the address of a store, or a bare path meaning an
// SQLite file, so that "--db office.db" and "--db postgresql://server/office" both work.
class DatabaseAddress {
 public:
  // "sqlite:...", "postgresql://..." and "postgres://..." as given; anything else is the
  // path of an SQLite file, which becomes "sqlite:PATH".
  static std::string FromArgument(const std::string& argument);
  // The file of an SQLite file address; nullopt for memory or a server.
  static std::optional<std::string> FileOf(const std::string& address);
};

}  // namespace appsupport
