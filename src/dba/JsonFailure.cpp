#include "dba/JsonFailure.h"

#include <nlohmann/json.hpp>

#include "dba/JsonDepth.h"

namespace dba {
namespace {

// The library's error numbers, as its documentation lists them.
constexpr int kNumberOutOfRange = 406;
constexpr int kInvalidUtf8 = 316;

std::string Sentence(const std::exception& error, std::size_t firstColumn) {
  if (const auto* parse = dynamic_cast<const nlohmann::json::parse_error*>(&error))
    return "JSON malformé à la colonne " + std::to_string(firstColumn - 1 + parse->byte);
  const auto* library = dynamic_cast<const nlohmann::json::exception*>(&error);
  if (library && library->id == kNumberOutOfRange)
    return "JSON malformé : nombre trop grand";
  if (library && library->id == kInvalidUtf8)
    return "texte qui n'est pas en UTF-8";
  return "JSON illisible";
}

}  // namespace

std::string JsonFailure::Describe(const std::exception& error, std::size_t firstColumn) {
  return Sentence(error, firstColumn) + ". (" + error.what() + ")";
}

std::string JsonFailure::TooDeep() {
  return "JSON trop imbriqué : plus de " + std::to_string(JsonDepth::kLimit) + " niveaux.";
}

}  // namespace dba
