#include "dba/StoreNames.h"

#include <algorithm>

#include "basis/Error.h"
#include "dba/Marks.h"
#include "dba/Storage.h"

namespace dba {
namespace {

bool IsMark(char c) {
  return c == kAttributeMark || c == kValueMark || c == kSubvalueMark;
}

}  // namespace

void StoreNames::CheckFileName(const std::string& name) {
  const bool valid = !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= ' ' || byte == 0x7F || c == '\'' || IsMark(c);
  });
  if (!valid) {
    throw basis::Error(basis::kInvalidProcedureCall,
                       "Nom de fichier incorrect « " + name +
                           " » : un mot sans espace, apostrophe ni caractère de contrôle est "
                           "attendu.");
  }
}

void StoreNames::CheckKey(const std::string& key) {
  if (key.empty() || std::any_of(key.begin(), key.end(), IsMark)) {
    throw basis::Error(basis::kInvalidProcedureCall,
                       "Clé d'enregistrement incorrecte : elle ne peut être vide ni contenir de "
                       "séparateur.");
  }
}

void StoreNames::RequireFile(Storage& storage, const std::string& name) {
  if (!storage.HasFile(name))
    throw basis::Error(basis::kFileNotFound, "Fichier introuvable : " + name);
}

}  // namespace dba
