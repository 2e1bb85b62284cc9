#include "dba/SqliteFailure.h"

#include <sqlite3.h>

#include "basis/Error.h"

namespace dba {

std::string SqliteCause(int resultCode) {
  switch (resultCode & 0xFF) {
    case SQLITE_FULL:
      return "le disque est plein";
    case SQLITE_BUSY:
      return "la base est verrouillée par un autre programme";
    case SQLITE_LOCKED:
      return "la base est verrouillée par une autre opération en cours";
    case SQLITE_NOTADB:
      return "le fichier n'est pas une base de données";
    case SQLITE_IOERR:
      return "erreur de lecture ou d'écriture sur le disque";
    case SQLITE_CORRUPT:
      return "la base est endommagée";
    case SQLITE_READONLY:
      return "la base est en lecture seule";
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return "accès refusé";
    case SQLITE_CANTOPEN:
      return "le fichier de la base ne peut pas être ouvert";
    case SQLITE_NOMEM:
      return "mémoire épuisée";
    case SQLITE_TOOBIG:
      return "donnée trop grande";
    case SQLITE_CONSTRAINT:
      return "contrainte de la base non respectée";
    case SQLITE_INTERRUPT:
    case SQLITE_ABORT:
      return "opération interrompue";
    case SQLITE_PROTOCOL:
      return "verrouillage du fichier impossible";
    case SQLITE_NOLFS:
      return "fichier trop grand pour le système";
    case SQLITE_SCHEMA:
      return "la structure de la base a changé pendant l'opération";
    default:
      return "erreur du moteur SQLite";
  }
}

void RaiseSqliteFailure(int extendedCode, std::string_view detail, const std::string& context) {
  throw basis::Error(basis::kStorageFailure,
                     context + " : " + SqliteCause(extendedCode) + ". (SQLite " +
                         std::to_string(extendedCode) + " : " + std::string(detail) + ")",
                     extendedCode);
}

void RaiseSqliteFailure(sqlite3* db) {
  if (!db)
    RaiseSqliteFailure(SQLITE_NOMEM, sqlite3_errstr(SQLITE_NOMEM), "Erreur de la base de données");
  RaiseSqliteFailure(sqlite3_extended_errcode(db), sqlite3_errmsg(db),
                     "Erreur de la base de données");
}

}  // namespace dba
