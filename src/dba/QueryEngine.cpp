#include "dba/QueryEngine.h"

#include <algorithm>
#include <numeric>
#include <span>

#include "dba/MarkedText.h"
#include "dba/Marks.h"
#include "dba/PackedText.h"
#include "dba/QueryRequest.h"
#include "dba/Storage.h"
#include "dba/StoreNames.h"
#include "dba/TextsEndToEnd.h"

namespace dba {
namespace {

// Enough for the screen's lists of the current levels and their neighbours; beyond, the
// oldest results are simply all forgotten.
constexpr std::size_t kMostResultsKept = 64;

bool IsLowerMark(char c) {
  return c == kValueMark || c == kSubvalueMark;
}

// Appends attribute n of a record (the key for 0) with its value and subvalue marks turned
// into the given separator. A multivalued attribute collates as its values separated by
// blanks, which sort before any letter: value by value.
void AppendField(std::string& text, std::string_view key, std::string_view body, long attribute,
                 char separator) {
  if (attribute == 0) {
    text += key;
    return;
  }
  const std::string_view field = MarkedText::Field(body, kAttributeMark, attribute);
  const std::size_t start = text.size();
  text += field;
  // Most fields hold one value: two searches of a few bytes each find no mark, cheaper than
  // looking at each byte in turn.
  if (field.find(kValueMark) != std::string_view::npos ||
      field.find(kSubvalueMark) != std::string_view::npos)
    std::replace_if(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), IsLowerMark,
                    separator);
}

// The selected records in key order, keeping only what the result needs: each row's text
// (the requested columns, each a value whose subvalues are the field's values) and the
// texts it sorts by, one per sort attribute.
struct Selection {
  TextsEndToEnd rows;
  TextsEndToEnd sortTexts;

  std::size_t RowCount() const { return rows.Count(); }
};

// The records a request selects; a file that does not exist is an error, which only an
// empty selection needs asking about, since a file that holds records exists.
Selection Read(Storage& storage, const QueryRequest& request) {
  const KeyCondition& condition = request.condition;
  Selection selection;
  auto add = [&](std::string_view key, std::string_view body) {
    if (!condition.Accepts(key))
      return;
    std::string& text = selection.rows.Next();
    for (std::size_t c = 0; c < request.columns.size(); ++c) {
      if (c > 0)
        text += kValueMark;
      AppendField(text, key, body, request.columns[c], kSubvalueMark);
    }
    for (long attribute : request.sortAttributes)
      AppendField(selection.sortTexts.Next(), key, body, attribute, ' ');
  };
  if (condition.kind == KeyCondition::Kind::kEquals) {
    if (const std::optional<std::string> body = storage.Read(request.file, condition.text))
      add(condition.text, *body);
  } else {
    storage.ScanEach(request.file, condition.Range(), add);
  }
  if (selection.RowCount() == 0)
    StoreNames::RequireFile(storage, request.file);
  return selection;
}

// The selection's rows in result order: key order, or French order of their sort texts
// (rows that collate the same keep key order).
std::vector<std::uint32_t> ResultOrder(const Selection& selection, const QueryRequest& parsed,
                                       const std::string& request, SortedEntries& sorted) {
  const std::size_t rows = selection.RowCount();
  const std::size_t sortCount = parsed.sortAttributes.size();
  if (sortCount == 0) {
    std::vector<std::uint32_t> order(rows);
    std::iota(order.begin(), order.end(), 0u);
    return order;
  }
  sorted.Start();
  std::vector<std::uint32_t> entries(rows);
  std::vector<std::string_view> texts(sortCount);
  for (std::size_t row = 0; row < rows; ++row) {
    if (sortCount == 1) {
      entries[row] = sorted.EntryOfText(selection.sortTexts[row]);
    } else {
      for (std::size_t s = 0; s < sortCount; ++s)
        texts[s] = selection.sortTexts[row * sortCount + s];
      entries[row] = sorted.EntryOfTexts(texts);
    }
  }
  return SortedEntries::RowsInRankOrder(entries, sorted.Ranks(request));
}

// Hands the rows to sink in the given order: first the size of their texts and their
// number, then each row's text.
template <class Sink>
void Deliver(const Selection& selection, const std::vector<std::uint32_t>& order, Sink& sink) {
  sink.Reserve(selection.rows.Size(), order.size());
  for (std::uint32_t row : order)
    sink.Append(selection.rows[row]);
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

// Whether rows whose texts are the same sort the same: they do when every attribute the
// request sorts by is one of its columns.
bool SortsByItsColumns(const QueryRequest& request) {
  return std::all_of(
      request.sortAttributes.begin(), request.sortAttributes.end(), [&](long attribute) {
        return std::find(request.columns.begin(), request.columns.end(), attribute) !=
               request.columns.end();
      });
}

// Whether a selection read again holds the very rows a kept result was made of.
bool IsMadeOf(const DynamicArray& result, const std::vector<std::uint32_t>& placeOfRow,
              const Selection& selection) {
  if (selection.RowCount() != placeOfRow.size())
    return false;
  std::string scratch;
  for (std::size_t row = 0; row < placeOfRow.size(); ++row) {
    if (result.ExtractView(static_cast<long>(placeOfRow[row]) + 1, 0, scratch) !=
        selection.rows[row])
      return false;
  }
  return true;
}

}  // namespace

std::shared_ptr<DynamicArray> QueryEngine::Execute(const std::string& request) {
  // Asked before reading: a commit that lands meanwhile is seen by the next request.
  const std::uint64_t version = storage_.DataVersion();
  auto found = kept_.find(request);
  if (found != kept_.end() && found->second.version == version)
    return std::make_shared<DynamicArray>(found->second.rows);
  const QueryRequest parsed = QueryRequest::Parse(request);
  const Selection selection = Read(storage_, parsed);
  // Another workstation's commit seldom touches the lists on screen: rows read back as
  // they were keep the result made of them, without sorting them again.
  if (found != kept_.end() && SortsByItsColumns(parsed) &&
      IsMadeOf(found->second.rows, found->second.placeOfRow, selection)) {
    found->second.version = version;
    return std::make_shared<DynamicArray>(found->second.rows);
  }
  const std::vector<std::uint32_t> order = ResultOrder(selection, parsed, request, sorted_);
  PackedText rows;
  Deliver(selection, order, rows);
  KeptResult kept{DynamicArray(std::move(rows)), std::vector<std::uint32_t>(order.size()), version};
  for (std::uint32_t place = 0; place < order.size(); ++place)
    kept.placeOfRow[order[place]] = place;
  if (found == kept_.end()) {
    if (kept_.size() >= kMostResultsKept)
      kept_.clear();
    found = kept_.emplace(request, std::move(kept)).first;
  } else {
    found->second = std::move(kept);
  }
  return std::make_shared<DynamicArray>(found->second.rows);
}

std::string QueryEngine::ExecuteText(const std::string& request) {
  const QueryRequest parsed = QueryRequest::Parse(request);
  const Selection selection = Read(storage_, parsed);
  ResultText text;
  Deliver(selection, ResultOrder(selection, parsed, request, sorted_), text);
  return text.Take();
}

}  // namespace dba
