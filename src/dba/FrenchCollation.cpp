#include "dba/FrenchCollation.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "basis/Error.h"

namespace dba {

FrenchCollation::FrenchCollation() {
  UErrorCode status = U_ZERO_ERROR;
  collator_.reset(icu::Collator::createInstance(icu::Locale::getFrance(), status));
  if (U_FAILURE(status) || !collator_) {
    throw basis::Error(basis::kInternalError,
                       std::string("Collation française indisponible : ") + u_errorName(status));
  }
}

const std::string& FrenchCollation::SortKey(std::string_view utf8) {
  auto found = keys_.find(utf8);
  if (found == keys_.end())
    found = keys_.emplace(std::string(utf8), ComputeSortKey(utf8)).first;
  return found->second;
}

void FrenchCollation::ForgetIfMany() {
  // Enough for every label of a large service and the names of its aidants, a few tens
  // of megabytes at most.
  constexpr std::size_t kMostKept = 200000;
  if (keys_.size() > kMostKept)
    keys_.clear();
}

std::string FrenchCollation::ComputeSortKey(std::string_view utf8) const {
  const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
  std::string key(utf8.size() * 2 + 16, '\0');
  for (;;) {
    const int32_t length = collator_->getSortKey(text, reinterpret_cast<uint8_t*>(key.data()),
                                                 static_cast<int32_t>(key.size()));
    const bool fits = static_cast<std::size_t>(length) <= key.size();
    key.resize(static_cast<std::size_t>(length));
    if (fits)
      return key;
  }
}

}  // namespace dba
