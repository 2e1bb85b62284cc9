#include "dba/postgresql/PostgresFailure.h"

#include <libpq-fe.h>

#include <string_view>

#include "basis/Error.h"

namespace dba {
namespace {

std::string_view ErrorCode(const pg_result* result) {
  const char* code = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
  return code ? std::string_view(code) : std::string_view();
}

// libpq's messages run over several lines, the first saying what happened and the others
// guessing why; only the first has a place inside a sentence.
std::string FirstLine(const std::string& message) {
  std::string line = message.substr(0, message.find('\n'));
  while (!line.empty() && line.back() == ' ')
    line.pop_back();
  return line;
}

// What went wrong, in the user's words, from the condition's code.
std::string Cause(std::string_view code) {
  struct Known {
    std::string_view code;
    const char* cause;
  };
  // Exact codes first, then their classes (two characters).
  static constexpr Known kKnown[] = {
      {"53100", "disque plein"},
      {"40P01", "interblocage avec un autre enregistrement"},
      {"40001", "conflit avec un autre enregistrement"},
      {"55P03", "verrou indisponible, un autre poste travaille sur ces données"},
      {"57014", "opération annulée ou trop longue"},
      {"42501", "permission refusée"},
      {"25006", "base en lecture seule"},
      {"XX001", "données corrompues"},
      {"XX002", "index corrompu"},
      {"3D000", "base de données inexistante"},
      {"53", "ressources du serveur épuisées"},
      {"28", "authentification refusée"},
      {"42", "schéma de la base incorrect"},
      {"22", "donnée refusée par le serveur"},
      {"23", "contrainte de la base non respectée"},
  };
  for (const Known& known : kKnown) {
    if (code.starts_with(known.code))
      return known.cause;
  }
  return "erreur du serveur";
}

}  // namespace

bool PostgresConnectionLost(pg_conn* connection, const pg_result* result) {
  if (!connection || PQstatus(connection) == CONNECTION_BAD)
    return true;
  const std::string_view code = ErrorCode(result);
  // Class 08 is a connection failure; 57P01 to 57P03 are the server shutting down.
  return code.starts_with("08") || code == "57P01" || code == "57P02" || code == "57P03";
}

void RaiseDatabaseUnreachable(const std::string& cause, PostgresActivity activity) {
  std::string description = "La base de données est injoignable : " + FirstLine(cause);
  description += activity == PostgresActivity::kSaving
                     ? " ; vos modifications n'ont pas été enregistrées."
                     : ".";
  throw basis::Error(basis::kDatabaseUnreachable, description);
}

void RaisePostgresFailure(pg_conn* connection, const pg_result* result, PostgresActivity activity) {
  const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
  const std::string message = FirstLine(primary ? primary : PQerrorMessage(connection));
  if (PostgresConnectionLost(connection, result))
    RaiseDatabaseUnreachable(message, activity);
  const std::string_view code = ErrorCode(result);
  throw basis::Error(basis::kStorageFailure, "Erreur de la base de données : " + Cause(code) +
                                                 " (" + std::string(code) + " " + message + ")");
}

}  // namespace dba
