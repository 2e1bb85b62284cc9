#pragma once

#include <string>
#include <string_view>

#include "basis/Error.h"
#include "basis/Integer.h"
#include "basis/Ref.h"
#include "dba/DynamicArray.h"
#include "forms/ComboBox.h"

namespace fields {

// Row r (from 1) of a reference list holds the key in value 1 and the label in value 2.
inline std::string RowKey(const basis::Ref<dba::DynamicArray>& list, basis::Integer row) {
  return list->Extract(row, 1).Text();
}

inline std::string RowLabel(const basis::Ref<dba::DynamicArray>& list, basis::Integer row) {
  return list->Extract(row, 2).Text();
}

// The same label read in place; see DynamicArray::ExtractView for how long it stays valid.
inline std::string_view RowLabelView(const basis::Ref<dba::DynamicArray>& list, basis::Integer row,
                                     std::string& scratch) {
  return list->ExtractView(row, 2, scratch);
}

// Whether a row's key is the key searched for. The keys of one list share their first
// characters (the code of the level above) and differ at the end, so the last character
// turns most rows away before a whole comparison.
inline bool SameKey(std::string_view rowKey, std::string_view key) {
  return rowKey.size() == key.size() && (key.empty() || rowKey.back() == key.back()) &&
         rowKey == key;
}

// The row (from 1) that holds the key, or 0 when the search runs past the last row.
// A list that was never filled (a sub-sector typed before any sector) is searched as
// an empty one, so the code is simply unknown. The keys are compared in place: the
// search may pass a thousand rows.
inline basis::Integer RowOfKey(const basis::Ref<dba::DynamicArray>& list, std::string_view key) {
  if (list.IsNothing())
    return 0;
  const dba::DynamicArray& rows = *list;
  std::string scratch;
  basis::Integer row = 0;
  std::string_view rowKey;
  do {
    row = basis::Add(row, 1);
    rowKey = rows.ExtractView(row, 1, scratch);
  } while (!SameKey(rowKey, key) && !rowKey.empty());
  return rowKey.empty() ? 0 : row;
}

// The row of the entry the user picked in a label list: entry p stands for row p + 1.
inline basis::Integer ChosenRow(const forms::ComboBox& list) {
  return basis::ToInteger(static_cast<long long>(list.ListIndex()) + 1);
}

// Runs the steps that show a district's medical centre and antenna. A district that
// names no antenna, or whose centre or antenna has gone, is still shown: the missing
// record ends these steps quietly and leaves the centre and antenna for the user to
// choose. Any other failure goes on to the caller.
template <class Steps>
void EndQuietlyWhenRecordMissing(Steps&& steps) {
  try {
    steps();
  } catch (const basis::Error& error) {
    if (error.Number() != basis::kRecordNotFound)
      throw;
  }
}

}  // namespace fields
