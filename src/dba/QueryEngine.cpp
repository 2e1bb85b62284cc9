#include "dba/QueryEngine.h"

#include <algorithm>

#include "dba/MarkedText.h"
#include "dba/Marks.h"
#include "dba/QueryRequest.h"
#include "dba/Storage.h"
#include "dba/StoreNames.h"

namespace dba {
namespace {

// Enough for the screen's lists of the current levels and their neighbours; beyond, the
// oldest results are simply all forgotten.
constexpr std::size_t kMostResultsKept = 64;

// Appends attribute n of a record (the key for 0) with its value and subvalue marks turned
// into the given separator.
void AppendField(std::string& text, std::string_view key, std::string_view body, long attribute,
                 char separator) {
  if (attribute == 0) {
    text += key;
    return;
  }
  const std::size_t start = text.size();
  text += MarkedText::Field(body, kAttributeMark, attribute);
  std::replace_if(
      text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
      [](char c) { return c == kValueMark || c == kSubvalueMark; }, separator);
}

// A selected record as the result needs it: its row (the requested columns, each a value
// whose subvalues are the field's values) and the key it sorts by.
struct Row {
  std::string text;
  // The kept key of the one sort attribute, or null when several are laid end to end in
  // sortKeys.
  const std::string* sortKey = nullptr;
  std::string sortKeys;

  const std::string& SortKey() const { return sortKey ? *sortKey : sortKeys; }
};

// Reads the selected records in key order, keeping only what the result needs.
std::vector<Row> Select(Storage& storage, const QueryRequest& request, FrenchCollation& collation) {
  const KeyCondition& condition = request.condition;
  std::vector<Row> rows;
  std::string sortText;
  auto add = [&](std::string_view key, std::string_view body) {
    if (!condition.Accepts(key))
      return;
    Row row;
    for (std::size_t c = 0; c < request.columns.size(); ++c) {
      if (c > 0)
        row.text += kValueMark;
      AppendField(row.text, key, body, request.columns[c], kSubvalueMark);
    }
    // A multivalued attribute collates as its values separated by blanks, which sort
    // before any letter: value by value.
    for (long attribute : request.sortAttributes) {
      sortText.clear();
      AppendField(sortText, key, body, attribute, ' ');
      const std::string& sortKey = collation.SortKey(sortText);
      if (request.sortAttributes.size() == 1)
        row.sortKey = &sortKey;
      else
        row.sortKeys += sortKey;
    }
    rows.push_back(std::move(row));
  };
  if (condition.kind == KeyCondition::Kind::kEquals) {
    if (const std::optional<std::string> body = storage.Read(request.file, condition.text))
      add(condition.text, *body);
  } else {
    storage.ScanEach(request.file, condition.Range(), add);
  }
  return rows;
}

}  // namespace

std::shared_ptr<DynamicArray> QueryEngine::Execute(const std::string& request) {
  // Asked before reading: a commit that lands meanwhile is seen by the next request.
  const std::uint64_t version = storage_.DataVersion();
  if (keptVersion_ != version || kept_.size() >= kMostResultsKept) {
    kept_.clear();
    keptVersion_ = version;
  }
  auto found = kept_.find(request);
  if (found == kept_.end())
    found = kept_.emplace(request, Compute(QueryRequest::Parse(request))).first;
  return std::make_shared<DynamicArray>(found->second);
}

DynamicArray QueryEngine::Compute(const QueryRequest& request) {
  StoreNames::RequireFile(storage_, request.file);
  collation_.ForgetIfMany();
  std::vector<Row> rows = Select(storage_, request, collation_);
  // The rows come in key order, and a stable sort keeps it among equal labels.
  if (!request.sortAttributes.empty()) {
    std::stable_sort(rows.begin(), rows.end(), [](const Row& left, const Row& right) {
      return left.SortKey() < right.SortKey();
    });
  }
  std::vector<std::string> attributes;
  attributes.reserve(rows.size());
  for (Row& row : rows)
    attributes.push_back(std::move(row.text));
  return DynamicArray::FromAttributes(attributes);
}

}  // namespace dba
