#include "common/DatabaseAddress.h"

#include <array>
#include <string_view>

namespace appsupport {
namespace {

constexpr std::string_view kFileScheme = "sqlite:";
constexpr std::string_view kMemory = "sqlite::memory:";
constexpr std::array<std::string_view, 2> kServerSchemes = {"postgresql://", "postgres://"};

bool IsServer(const std::string& address) {
  for (std::string_view scheme : kServerSchemes) {
    if (address.starts_with(scheme))
      return true;
  }
  return false;
}

}  // namespace

std::string DatabaseAddress::FromArgument(const std::string& argument) {
  if (argument.starts_with(kFileScheme) || IsServer(argument))
    return argument;
  return std::string(kFileScheme) + argument;
}

std::optional<std::string> DatabaseAddress::FileOf(const std::string& address) {
  if (!address.starts_with(kFileScheme) || address == kMemory)
    return std::nullopt;
  return address.substr(kFileScheme.size());
}

}  // namespace appsupport
