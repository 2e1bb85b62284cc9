#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dba/FrenchCollation.h"
#include "dba/InternedTexts.h"

namespace dba {

// The distinct sort texts of one selection after another, and their ranks in French
// order.
//
// The rows of a selection are sorted by their entry: the distinct text (or texts, for
// several sort attributes) that they sort by, so that a long selection with few distinct
// labels collates and compares only those. A text's sort key is kept across selections and
// data versions, since it depends on the text alone. The ranks of a request whose
// entries come back the same as last time (a list read again after another workstation
// changed something else) are reused without comparing anything. One thread at a time.
class SortedEntries {
 public:
  // Starts the entries of a new selection.
  void Start();
  // The entry of a row that sorts by one text.
  std::uint32_t EntryOfText(std::string_view utf8);
  // The entry of a row that sorts by several texts, most significant first.
  std::uint32_t EntryOfTexts(std::span<const std::string_view> utf8);
  // The rank of each entry of the selection, in entry order: equal ranks for entries that
  // French collation holds equal. request names the selection whose ranks are kept for
  // next time.
  std::vector<std::uint32_t> Ranks(const std::string& request);
  // The rows in rank order, dealt out by rank at no comparison: row r sorts by entry
  // entryOfRow[r], whose rank is ranks[entryOfRow[r]]; rows of equal rank keep their order.
  static std::vector<std::uint32_t> RowsInRankOrder(const std::vector<std::uint32_t>& entryOfRow,
                                                    const std::vector<std::uint32_t>& ranks);

 private:
  struct KeptRanks {
    std::vector<std::uint32_t> texts;
    std::vector<std::uint32_t> ranks;
  };

  std::vector<std::uint32_t> RanksByComparing() const;
  std::string_view KeyOfEntry(std::uint32_t entry) const;

  FrenchCollation collation_;
  // Where a text number was last met: in which selection (so nothing is cleared between
  // selections), and as which entry of it.
  struct LastMet {
    std::uint32_t selection = 0;
    std::uint32_t entry = 0;
  };

  // For one sort text: each entry's text number, and where each text number was last met.
  std::vector<std::uint32_t> entryTexts_;
  std::vector<LastMet> lastMet_;
  std::uint32_t selection_ = 0;
  // For several sort texts: each entry's keys laid end to end.
  bool joined_ = false;
  InternedTexts joinedKeys_;
  std::string joining_;
  std::unordered_map<std::string, KeptRanks> kept_;
};

}  // namespace dba
