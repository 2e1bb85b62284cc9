#pragma once

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

inline std::vector<long> ItemDatas(const forms::ItemList& list) {
  std::vector<long> data;
  for (int i = 0; i < list.ListCount(); ++i)
    data.push_back(list.ItemData(i));
  return data;
}
