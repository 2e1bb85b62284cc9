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
  std::vector<std::uint32_t> order = dba::SortedEntries::RowsInRankOrder(nameOf, ranks);
  // The few rows that share a name, ordered by code.
  const auto rankOf = [&](std::uint32_t row) { return ranks[nameOf[row]]; };
  for (std::size_t begin = 0; begin < order.size();) {
    std::size_t end = begin + 1;
    while (end < order.size() && rankOf(order[end]) == rankOf(order[begin]))
      ++end;
    if (end - begin > 1)
      std::sort(
          order.begin() + static_cast<std::ptrdiff_t>(begin),
          order.begin() + static_cast<std::ptrdiff_t>(end),
          [&table](std::uint32_t a, std::uint32_t b) { return table.Code(a) < table.Code(b); });
    begin = end;
  }
  return order;
}

}  // namespace host
