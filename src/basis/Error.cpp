#include "basis/Error.h"

namespace basis {

Error::Error(long number) : Error(number, StandardDescription(number)) {}

Error::Error(long number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

Error::Error(long number, const std::string& description, long engineCode)
    : std::runtime_error(description), number_(number), engineCode_(engineCode) {}

std::string Error::StandardDescription(long number) {
  switch (number) {
    case kInvalidProcedureCall:
      return "Argument ou appel de procédure incorrect";
    case kOverflow:
      return "Dépassement de capacité";
    case kTypeMismatch:
      return "Incompatibilité de type";
    case kInternalError:
      return "Erreur interne";
    case kObjectNotSet:
      return "Variable objet ou variable de bloc With non définie";
    case kInvalidPropertyArrayIndex:
      return "Index de tableau de propriétés non valide";
    case kRecordNotFound:
      return "Enregistrement introuvable";
    case kFileNotFound:
      return "Fichier introuvable";
    case kQuerySyntax:
      return "Requête incorrecte";
    case kWriteConflict:
      return "Enregistrement modifié par un autre utilisateur";
    case kStorageFailure:
      return "Erreur de la base de données";
    case kRecordNotBound:
      return "Enregistrement sans fichier d'origine";
    case kDatabaseUnreachable:
      return "La base de données est injoignable";
    default:
      return "Erreur " + std::to_string(number);
  }
}

}  // namespace basis
