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

std::uint32_t FrenchCollation::TextNumber(std::string_view utf8) {
  const std::uint32_t n = texts_.Intern(utf8);
  if (n == keys_.size())
    AppendSortKey(utf8, keys_.emplace_back());
  return n;
}

bool FrenchCollation::ForgetIfMany() {
  // Enough for every label of a large service and the names of its aidants, a few tens
  // of megabytes at most.
  constexpr std::size_t kMostKept = 200000;
  if (keys_.size() <= kMostKept)
    return false;
  texts_.Clear();
  keys_.clear();
  return true;
}

void FrenchCollation::AppendSortKey(std::string_view utf8, std::string& keys) const {
  const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
  const std::size_t at = keys.size();
  std::size_t room = utf8.size() * 2 + 16;
  for (;;) {
    keys.resize(at + room);
    const int32_t length = collator_->getSortKey(text, reinterpret_cast<uint8_t*>(keys.data() + at),
                                                 static_cast<int32_t>(room));
    const bool fits = static_cast<std::size_t>(length) <= room;
    room = static_cast<std::size_t>(length);
    if (fits) {
      keys.resize(at + room);
      return;
    }
  }
}

}  // namespace dba
