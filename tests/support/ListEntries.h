#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "forms/ItemList.h"

// The texts and item data of a list's entries, in list order, for whole-list assertions.
inline std::vector<std::string> Entries(const forms::ItemList& list) {
  std::vector<std::string> texts;
  for (int i = 0; i < list.ListCount(); ++i)
    texts.push_back(list.List(i));
  return texts;
}

// The index of the first entry with this text, ListCount() when there is none.
inline int IndexOf(const forms::ItemList& list, const std::string& text) {
  const std::vector<std::string> texts = Entries(list);
  return static_cast<int>(std::find(texts.begin(), texts.end(), text) - texts.begin());
}

inline std::vector<long> ItemDatas(const forms::ItemList& list) {
  std::vector<long> data;
  for (int i = 0; i < list.ListCount(); ++i)
    data.push_back(list.ItemData(i));
  return data;
}
