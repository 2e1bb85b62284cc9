#include "dba/QueryEngine.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <unordered_map>

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

// A selected record as the result needs it: where its row (the requested columns, each a
// value whose subvalues are the field's values) lies in the selection's texts, and which
// of the selection's sort keys it sorts by.
struct Row {
  std::size_t start = 0, size = 0;
  std::uint32_t sortKey = 0;
};

// The selected records in key order, keeping only what the result needs. The rows' texts
// are laid end to end in one text, so that a long result costs no allocation per row, and
// rows that sort by the same text share one sort key, looked up once per distinct text.
struct Selection {
  std::string texts;
  std::vector<Row> rows;
  std::vector<const std::string*> sortKeys;
  // The keys of several sort attributes laid end to end, one per row.
  std::deque<std::string> joinedKeys;

  std::string_view Text(const Row& row) const {
    return std::string_view(texts).substr(row.start, row.size);
  }
};

// Finds a text's sort key by a view of the text, without copying it.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>()(text);
  }
};

Selection Select(Storage& storage, const QueryRequest& request, FrenchCollation& collation) {
  const KeyCondition& condition = request.condition;
  Selection selection;
  std::string& texts = selection.texts;
  std::unordered_map<std::string, std::uint32_t, TextHash, std::equal_to<>> keyOfText;
  std::string sortText;
  auto add = [&](std::string_view key, std::string_view body) {
    if (!condition.Accepts(key))
      return;
    Row row;
    row.start = texts.size();
    for (std::size_t c = 0; c < request.columns.size(); ++c) {
      if (c > 0)
        texts += kValueMark;
      AppendField(texts, key, body, request.columns[c], kSubvalueMark);
    }
    row.size = texts.size() - row.start;
    // A multivalued attribute collates as its values separated by blanks, which sort
    // before any letter: value by value.
    if (request.sortAttributes.size() == 1) {
      sortText.clear();
      AppendField(sortText, key, body, request.sortAttributes.front(), ' ');
      auto found = keyOfText.find(std::string_view(sortText));
      if (found == keyOfText.end()) {
        found = keyOfText.emplace(sortText, selection.sortKeys.size()).first;
        selection.sortKeys.push_back(&collation.SortKey(sortText));
      }
      row.sortKey = found->second;
    } else if (!request.sortAttributes.empty()) {
      std::string& joined = selection.joinedKeys.emplace_back();
      for (long attribute : request.sortAttributes) {
        sortText.clear();
        AppendField(sortText, key, body, attribute, ' ');
        joined += collation.SortKey(sortText);
      }
      row.sortKey = static_cast<std::uint32_t>(selection.sortKeys.size());
      selection.sortKeys.push_back(&joined);
    }
    selection.rows.push_back(row);
  };
  if (condition.kind == KeyCondition::Kind::kEquals) {
    if (const std::optional<std::string> body = storage.Read(request.file, condition.text))
      add(condition.text, *body);
  } else {
    storage.ScanEach(request.file, condition.Range(), add);
  }
  return selection;
}

// The indices of the rows in result order: by sort key, and in key order (the order they
// come in) among equal keys. Only the distinct keys are sorted; the rows are then dealt
// out by their key's rank, which keeps them in key order at no further comparison.
std::vector<std::uint32_t> SortedOrder(const Selection& selection) {
  const std::vector<const std::string*>& keys = selection.sortKeys;
  std::vector<std::uint32_t> byKey(keys.size());
  std::iota(byKey.begin(), byKey.end(), 0u);
  std::sort(byKey.begin(), byKey.end(),
            [&](std::uint32_t left, std::uint32_t right) { return *keys[left] < *keys[right]; });
  // Different texts may share a key (keys laid end to end, or texts French collation
  // holds equal): they take one rank.
  std::vector<std::uint32_t> rankOf(keys.size());
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < byKey.size(); ++i) {
    if (i > 0 && *keys[byKey[i]] != *keys[byKey[i - 1]])
      ++rank;
    rankOf[byKey[i]] = rank;
  }
  std::vector<std::uint32_t> start(keys.size() + 1, 0);
  for (const Row& row : selection.rows)
    ++start[rankOf[row.sortKey] + 1];
  std::partial_sum(start.begin(), start.end(), start.begin());
  std::vector<std::uint32_t> order(selection.rows.size());
  for (std::uint32_t row = 0; row < selection.rows.size(); ++row)
    order[start[rankOf[selection.rows[row].sortKey]]++] = row;
  return order;
}

// The rows of the result in order, each the text of one attribute of the result, seen in
// the selection they were read into.
std::vector<std::string_view> ResultRows(Storage& storage, FrenchCollation& collation,
                                         const std::string& request, Selection& selection) {
  const QueryRequest parsed = QueryRequest::Parse(request);
  StoreNames::RequireFile(storage, parsed.file);
  collation.ForgetIfMany();
  selection = Select(storage, parsed, collation);
  std::vector<std::string_view> rows;
  rows.reserve(selection.rows.size());
  if (parsed.sortAttributes.empty()) {
    for (const Row& row : selection.rows)
      rows.push_back(selection.Text(row));
  } else {
    for (std::uint32_t index : SortedOrder(selection))
      rows.push_back(selection.Text(selection.rows[index]));
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
    found = kept_.emplace(request, Compute(request)).first;
  return std::make_shared<DynamicArray>(found->second);
}

DynamicArray QueryEngine::Compute(const std::string& request) {
  Selection selection;
  const std::vector<std::string_view> rows = ResultRows(storage_, collation_, request, selection);
  return DynamicArray::FromAttributes(std::vector<std::string>(rows.begin(), rows.end()));
}

std::string QueryEngine::ExecuteText(const std::string& request) {
  Selection selection;
  const std::vector<std::string_view> rows = ResultRows(storage_, collation_, request, selection);
  std::string text;
  text.reserve(selection.texts.size() + rows.size());
  for (std::string_view row : rows) {
    text += row;
    text += kAttributeMark;
  }
  // As in the array's text form, empty rows at the end are no part of it.
  while (!text.empty() && text.back() == kAttributeMark)
    text.pop_back();
  return text;
}

}  // namespace dba
