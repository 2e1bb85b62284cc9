#include "host/AidantOrder.h"

#include <algorithm>
#include <string>

namespace host {

std::vector<std::uint32_t> AidantOrder::Order(const AidantTable& table) {
  names_.Start();
  std::vector<std::uint32_t> nameOf(table.Size());
  std::string name;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    name.assign(table.Nom(row)).append(1, ' ').append(table.Prenom(row));
    nameOf[row] = names_.EntryOfText(name);
  }
  const std::vector<std::uint32_t> ranks = names_.Ranks("aidants");
  // The rows placed by their name's rank, one pass; then the few rows that share a name
  // ordered by code.
  std::vector<std::uint32_t> ends(ranks.size() + 1, 0);
  for (const std::uint32_t number : nameOf)
    ++ends[ranks[number] + 1];
  for (std::size_t rank = 1; rank < ends.size(); ++rank)
    ends[rank] += ends[rank - 1];
  std::vector<std::uint32_t> order(table.Size());
  for (std::uint32_t row = 0; row < nameOf.size(); ++row)
    order[ends[ranks[nameOf[row]]]++] = row;
  std::uint32_t begin = 0;
  for (std::size_t rank = 0; rank + 1 < ends.size() && begin < order.size(); ++rank) {
    const std::uint32_t end = ends[rank];
    if (end - begin > 1)
      std::sort(
          order.begin() + begin, order.begin() + end,
          [&table](std::uint32_t a, std::uint32_t b) { return table.Code(a) < table.Code(b); });
    begin = end;
  }
  return order;
}

}  // namespace host
