// The host list's order and filter at their shortcuts: each distinct name collated once,
// the keys and ranks of one reading reused by the next, the filter's folding made only
// when a filter is typed. Each is checked against the plain way: every full name
// collated on its own, every row folded.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "dba/FrenchCollation.h"
#include "host/AidantListModel.h"
#include "host/AidantOrder.h"
#include "host/AidantTable.h"

namespace {

struct Aidant {
  std::string code;
  std::string nom;
  std::string prenom;
};

host::AidantTable TableOf(const std::vector<Aidant>& aidants) {
  host::AidantTable table;
  const std::uint32_t sector = table.AddSector("012 Écluse");
  for (const Aidant& aidant : aidants)
    table.Add(aidant.code, aidant.nom, aidant.prenom, sector);
  return table;
}

// The order as the list defines it, each row's full name collated on its own.
std::vector<std::string> PlainOrder(const std::vector<Aidant>& aidants) {
  dba::FrenchCollation french;
  std::vector<std::string> keys;
  for (const Aidant& aidant : aidants)
    keys.push_back(french.SortKey(aidant.nom + " " + aidant.prenom) + aidant.code);
  std::vector<std::size_t> order(aidants.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&keys](auto a, auto b) { return keys[a] < keys[b]; });
  std::vector<std::string> codes;
  for (const std::size_t row : order)
    codes.push_back(aidants[row].code);
  return codes;
}

std::vector<std::string> CodesIn(host::AidantOrder& order, const std::vector<Aidant>& aidants) {
  std::vector<std::string> codes;
  for (const std::uint32_t row : order.Order(TableOf(aidants)))
    codes.push_back(aidants[row].code);
  return codes;
}

// Many aidants sharing names, codes out of order, names that differ by accents or case
// only, and surnames of several words, which only a collation of the whole name orders
// right ("LE GALL Anne" before "LE Marie").
std::vector<Aidant> Service(int count, const char* extraSurname = nullptr) {
  const char* const surnames[] = {"LE GALL", "LE",   "Lefèvre", "LEFEVRE", "lefèvre",
                                  "ÉTIENNE", "Zola", "DUPONT",  "Du Pont"};
  const char* const firstNames[] = {"Anne", "Marie", "Élodie", "élodie", "Noël"};
  std::vector<Aidant> aidants;
  for (int i = 0; i < count; ++i)
    aidants.push_back({"A" + std::to_string((i * 7919) % 100000),
                       (extraSurname != nullptr && i % 5 == 0 ? extraSurname : surnames[i % 9]) +
                           std::string(i % 3 == 0 ? "" : " " + std::to_string(i % 4)),
                       firstNames[(i / 9) % 5]});
  return aidants;
}

TEST(AidantOrderTest, SharedNamesAndReusedKeysOrderAsEveryNameCollatedAlone) {
  const std::vector<Aidant> first = Service(600);
  host::AidantOrder order;
  EXPECT_EQ(CodesIn(order, first), PlainOrder(first));

  // Read again with every name met before, some aidants gone and the rest in another
  // order.
  std::vector<Aidant> fewer(first.rbegin(), first.rend() - 100);
  EXPECT_EQ(CodesIn(order, fewer), PlainOrder(fewer));
  // A name not met before: its key is made, the others are kept.
  const std::vector<Aidant> grown = Service(700, "Lê");
  EXPECT_EQ(CodesIn(order, grown), PlainOrder(grown));
  EXPECT_EQ(CodesIn(order, first), PlainOrder(first));
  EXPECT_TRUE(CodesIn(order, {}).empty());
}

std::vector<QString> ShownCodes(const host::AidantListModel& model) {
  std::vector<QString> codes;
  for (int row = 0; row < model.ShownCount(); ++row)
    codes.push_back(model.CodeAt(row));
  return codes;
}

TEST(AidantListModelTest, RowsChangedBeforeTheFirstFilterAreFilteredAsTheyNowRead) {
  host::AidantListModel model;
  model.SetRows(TableOf({{"B1", "ZOLA", "Émile"}, {"B2", "Durand", "Anne"}}));
  // Changed before the rows were ever folded, then after.
  ASSERT_TRUE(model.UpdateRow({"B1", "ZOLA", "Émile", "007 Forêt"}));
  model.SetFilter("foret");
  EXPECT_EQ(ShownCodes(model), std::vector<QString>{"B1"});
  ASSERT_TRUE(model.UpdateRow({"B2", "DURAND", "Anne", "008 Forêt-Noire"}));
  model.SetFilter("FORÊ");
  EXPECT_EQ(ShownCodes(model), (std::vector<QString>{"B2", "B1"}));
  model.SetFilter("ecluse");
  EXPECT_TRUE(ShownCodes(model).empty());

  // New rows under a filter are filtered at once, by names or sector.
  model.SetRows(TableOf({{"C1", "Martin", "Éric"}, {"C2", "Petit", "Luc"}}));
  EXPECT_EQ(ShownCodes(model), (std::vector<QString>{"C1", "C2"}));
  model.SetFilter("eric");
  EXPECT_EQ(ShownCodes(model), std::vector<QString>{"C1"});
  EXPECT_FALSE(model.UpdateRow({"C9", "", "", ""}));
}

}  // namespace
