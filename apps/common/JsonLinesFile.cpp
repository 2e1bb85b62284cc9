#include "common/JsonLinesFile.h"

#include <filesystem>
#include <fstream>

#include "basis/Error.h"
#include "dba/JsonLines.h"

namespace appsupport {

long JsonLinesFile::Load(dba::DatabaseConnection& connection, const std::string& path,
                         std::istream& standardInput) {
  if (path == "-")
    return dba::JsonLines::Load(connection, standardInput);
  std::ifstream file(path, std::ios::binary);
  if (!file || std::filesystem::is_directory(path))
    throw basis::Error(basis::kInvalidProcedureCall,
                       "Impossible de lire le fichier « " + path + " ».");
  return dba::JsonLines::Load(connection, file);
}

}  // namespace appsupport
