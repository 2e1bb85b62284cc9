#include "dba/QueryEngine.h"

#include <algorithm>
#include <numeric>

#include "dba/MarkedText.h"
#include "dba/Marks.h"
#include "dba/QueryRequest.h"
#include "dba/Storage.h"
#include "dba/StoreNames.h"

namespace dba {
namespace {

// Attribute n of a record (the key for 0) with its value and subvalue marks turned into
// the given separator.
std::string Field(const StoredRecord& record, long attribute, char separator) {
  if (attribute == 0)
    return record.key;
  std::string text(MarkedText::Field(record.body, kAttributeMark, attribute));
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == kValueMark || c == kSubvalueMark; },
      separator);
  return text;
}

std::vector<StoredRecord> Select(Storage& storage, const QueryRequest& request) {
  const KeyCondition& condition = request.condition;
  if (condition.kind == KeyCondition::Kind::kEquals) {
    std::optional<std::string> body = storage.Read(request.file, condition.text);
    if (!body)
      return {};
    std::vector<StoredRecord> records;
    records.push_back({condition.text, std::move(*body)});
    return records;
  }
  std::vector<StoredRecord> records = storage.Scan(request.file, condition.Range());
  if (condition.kind == KeyCondition::Kind::kEndsWith ||
      condition.kind == KeyCondition::Kind::kContains) {
    std::erase_if(records,
                  [&](const StoredRecord& record) { return !condition.Accepts(record.key); });
  }
  return records;
}

void Sort(std::vector<StoredRecord>& records, const std::vector<long>& attributes,
          const FrenchCollation& collation) {
  // A multivalued attribute collates as its values separated by blanks, which sort
  // before any letter: value by value.
  std::vector<std::vector<std::string>> sortKeys(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    for (long attribute : attributes)
      sortKeys[i].push_back(collation.SortKey(Field(records[i], attribute, ' ')));
  }
  std::vector<std::size_t> order(records.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t left, std::size_t right) {
    if (sortKeys[left] != sortKeys[right])
      return sortKeys[left] < sortKeys[right];
    return records[left].key < records[right].key;
  });
  std::vector<StoredRecord> sorted;
  sorted.reserve(records.size());
  for (std::size_t i : order)
    sorted.push_back(std::move(records[i]));
  records.swap(sorted);
}

}  // namespace

std::shared_ptr<DynamicArray> QueryEngine::Execute(const std::string& request) {
  const QueryRequest parsed = QueryRequest::Parse(request);
  StoreNames::RequireFile(storage_, parsed.file);
  std::vector<StoredRecord> records = Select(storage_, parsed);
  if (!parsed.sortAttributes.empty())
    Sort(records, parsed.sortAttributes, collation_);

  auto result = std::make_shared<DynamicArray>();
  long row = 0;
  for (const StoredRecord& record : records) {
    ++row;
    long value = 0;
    for (long column : parsed.columns)
      result->Replace(row, ++value, Field(record, column, kSubvalueMark));
  }
  return result;
}

}  // namespace dba
