#include "dba/DatabaseClient.h"

#include "basis/Error.h"
#include "dba/SqliteStorage.h"

namespace dba {

std::shared_ptr<DatabaseConnection> DatabaseClient::Connect(const std::string& address,
                                                            OpenMode mode) {
  static constexpr std::string_view kScheme = "sqlite:";
  const std::string_view target =
      std::string_view(address).substr(address.starts_with(kScheme) ? kScheme.size() : 0);
  if (!address.starts_with(kScheme) || target.empty()) {
    throw basis::Error(basis::kInvalidProcedureCall,
                       "Adresse de base de données incorrecte « " + address +
                           " » : sqlite:CHEMIN ou sqlite::memory: est attendu.");
  }
  // ":memory:" after the scheme is SQLite's own name for a private in-memory database.
  return std::make_shared<DatabaseConnection>(
      std::make_shared<SqliteStorage>(std::string(target), mode));
}

}  // namespace dba
