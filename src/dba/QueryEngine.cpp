#include "dba/QueryEngine.h"

#include <algorithm>

#include "dba/MarkedText.h"
#include "dba/Marks.h"
#include "dba/PackedText.h"
#include "dba/QueryRequest.h"
#include "dba/Storage.h"
#include "dba/StoreNames.h"

namespace dba {
namespace {

// Enough for the screen's lists of the current levels and their neighbours; beyond, the
// oldest results are simply all forgotten.
constexpr std::size_t kMostResultsKept = 64;

bool IsLowerMark(char c) {
  return c == kValueMark || c == kSubvalueMark;
}

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
  std::replace_if(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), IsLowerMark,
                  separator);
}

// A multivalued attribute collates as its values separated by blanks, which sort before
// any letter: value by value. Most attributes hold one value and are seen as they are read.
std::string_view SortText(std::string_view key, std::string_view body, long attribute,
                          std::string& spare) {
  if (attribute == 0)
    return key;
  const std::string_view field = MarkedText::Field(body, kAttributeMark, attribute);
  if (std::none_of(field.begin(), field.end(), IsLowerMark))
    return field;
  spare.clear();
  AppendField(spare, key, body, attribute, ' ');
  return spare;
}

// The selected records in key order, keeping only what the result needs: each row's text
// (the requested columns, each a value whose subvalues are the field's values), laid end
// to end with the others so that a long result costs no allocation per row, and the entry
// it sorts by.
struct Selection {
  std::string texts;
  // Where each row's text starts in texts.
  std::vector<std::size_t> starts;
  std::vector<std::uint32_t> entries;

  std::string_view Text(std::size_t row) const {
    const std::size_t end = row + 1 < starts.size() ? starts[row + 1] : texts.size();
    return std::string_view(texts).substr(starts[row], end - starts[row]);
  }
};

Selection Select(Storage& storage, const QueryRequest& request, SortedEntries& sorted) {
  const KeyCondition& condition = request.condition;
  const std::vector<long>& sortAttributes = request.sortAttributes;
  Selection selection;
  std::string spare;
  std::vector<std::string> sortTexts(sortAttributes.size());
  auto add = [&](std::string_view key, std::string_view body) {
    if (!condition.Accepts(key))
      return;
    selection.starts.push_back(selection.texts.size());
    for (std::size_t c = 0; c < request.columns.size(); ++c) {
      if (c > 0)
        selection.texts += kValueMark;
      AppendField(selection.texts, key, body, request.columns[c], kSubvalueMark);
    }
    if (sortAttributes.size() == 1) {
      selection.entries.push_back(
          sorted.EntryOfText(SortText(key, body, sortAttributes.front(), spare)));
    } else if (!sortAttributes.empty()) {
      for (std::size_t s = 0; s < sortAttributes.size(); ++s)
        sortTexts[s] = SortText(key, body, sortAttributes[s], spare);
      selection.entries.push_back(sorted.EntryOfTexts(sortTexts));
    }
  };
  sorted.Start();
  if (condition.kind == KeyCondition::Kind::kEquals) {
    if (const std::optional<std::string> body = storage.Read(request.file, condition.text))
      add(condition.text, *body);
  } else {
    storage.ScanEach(request.file, condition.Range(), add);
  }
  return selection;
}

// Reads the rows of a request and hands them to sink in result order: first the number
// of rows and the size of their texts, then each row's text.
template <class Sink>
void ComputeRows(Storage& storage, SortedEntries& sorted, const std::string& request, Sink& sink) {
  const QueryRequest parsed = QueryRequest::Parse(request);
  const Selection selection = Select(storage, parsed, sorted);
  const std::size_t rows = selection.starts.size();
  // A file that holds records exists: only an empty selection needs asking.
  if (rows == 0)
    StoreNames::RequireFile(storage, parsed.file);
  sink.Reserve(selection.texts.size(), rows);
  if (parsed.sortAttributes.empty()) {
    for (std::size_t row = 0; row < rows; ++row)
      sink.Append(selection.Text(row));
  } else {
    for (std::uint32_t row :
         SortedEntries::RowsInRankOrder(selection.entries, sorted.Ranks(request)))
      sink.Append(selection.Text(row));
  }
}

// The rows as the text of the result array, for a caller that needs no array.
class ResultText {
 public:
  void Reserve(std::size_t textSize, std::size_t rows) { text_.reserve(textSize + rows); }
  void Append(std::string_view row) {
    text_ += row;
    text_ += kAttributeMark;
  }
  // As in the array's text form, empty rows at the end are no part of it.
  std::string Take() {
    while (!text_.empty() && text_.back() == kAttributeMark)
      text_.pop_back();
    return std::move(text_);
  }

 private:
  std::string text_;
};

}  // namespace

std::shared_ptr<DynamicArray> QueryEngine::Execute(const std::string& request) {
  // Asked before reading: a commit that lands meanwhile is seen by the next request.
  const std::uint64_t version = storage_.DataVersion();
  if (keptVersion_ != version || kept_.size() >= kMostResultsKept) {
    kept_.clear();
    keptVersion_ = version;
  }
  auto found = kept_.find(request);
  if (found == kept_.end()) {
    PackedText rows;
    ComputeRows(storage_, sorted_, request, rows);
    found = kept_.emplace(request, DynamicArray(std::move(rows))).first;
  }
  return std::make_shared<DynamicArray>(found->second);
}

std::string QueryEngine::ExecuteText(const std::string& request) {
  ResultText text;
  ComputeRows(storage_, sorted_, request, text);
  return text.Take();
}

}  // namespace dba
