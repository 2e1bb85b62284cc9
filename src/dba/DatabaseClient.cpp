#include "dba/DatabaseClient.h"

#include "basis/Error.h"
#include "dba/SqliteStorage.h"
#ifdef DELVARO_WITH_POSTGRESQL
#include "dba/postgresql/PostgresStorage.h"
#endif

namespace dba {
namespace {

bool IsServerAddress(const std::string& address) {
  return address.starts_with("postgresql://") || address.starts_with("postgres://");
}

std::shared_ptr<Storage> OpenServer(const std::string& address) {
#ifdef DELVARO_WITH_POSTGRESQL
  return std::make_shared<PostgresStorage>(address);
#else
  (void)address;
  throw basis::Error(basis::kInvalidProcedureCall,
                     "Cette version de Delvaro est construite sans PostgreSQL : seules les "
                     "adresses sqlite:CHEMIN et sqlite::memory: sont possibles.");
#endif
}

std::shared_ptr<Storage> OpenFile(const std::string& address, OpenMode mode) {
  static constexpr std::string_view kScheme = "sqlite:";
  const std::string_view target =
      std::string_view(address).substr(address.starts_with(kScheme) ? kScheme.size() : 0);
  if (!address.starts_with(kScheme) || target.empty()) {
    throw basis::Error(basis::kInvalidProcedureCall,
                       "Adresse de base de données incorrecte « " + address +
                           " » : sqlite:CHEMIN, sqlite::memory: ou postgresql://… est attendu.");
  }
  // ":memory:" after the scheme is SQLite's own name for a private in-memory database.
  return std::make_shared<SqliteStorage>(std::string(target), mode);
}

}  // namespace

std::shared_ptr<DatabaseConnection> DatabaseClient::Connect(const std::string& address,
                                                            OpenMode mode) {
  return std::make_shared<DatabaseConnection>(IsServerAddress(address) ? OpenServer(address)
                                                                       : OpenFile(address, mode));
}

}  // namespace dba
