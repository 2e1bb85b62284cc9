#include "common/DatabaseAddress.h"

namespace appsupport {

namespace {

constexpr std::string_view kSqlite = "sqlite:";
constexpr std::string_view kMemory = "sqlite::memory:";

bool NamesServer(const std::string& address) {
  return address.starts_with("postgresql://") || address.starts_with("postgres://");
}

}  // namespace

std::optional<std::string> DatabaseAddress::FromTyped(const std::string& typed) {
  if (NamesServer(typed))
    return typed;
  if (typed.starts_with(kSqlite))
    return typed.size() > kSqlite.size() ? std::optional(typed) : std::nullopt;
  // A scheme of another engine would otherwise become a strange file name.
  if (typed.empty() || typed.find("://") != std::string::npos)
    return std::nullopt;
  return std::string(kSqlite) + typed;
}

std::string DatabaseAddress::Problem(const std::string& typed) {
  if (FromTyped(typed))
    return {};
  return "adresse de base incorrecte « " + typed +
         " » (attendu : sqlite:CHEMIN, postgresql://… ou un chemin de fichier)";
}

std::optional<std::string> DatabaseAddress::SqliteFile(const std::string& address) {
  if (!address.starts_with(kSqlite) || address == kMemory)
    return std::nullopt;
  return address.substr(kSqlite.size());
}

}  // namespace appsupport
