#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// One aidant as the host's list shows it.
struct AidantRow {
  std::string code;
  std::string nom;
  std::string prenom;
  std::string secteur;  // the sector's code and label, or the code alone
};

// Aidants as the host's list shows them, their texts end to end in one buffer and each
// sector's text held once however many aidants it has: a hundred thousand rows cost a
// few allocations, not four strings each, to build and to free. Views it hands out stay
// valid until the next Add, AddSector or Replace. Any thread, one at a time.
class AidantTable {
 public:
  // Holds a sector's shown text; returns the number Add takes for it.
  std::uint32_t AddSector(std::string_view secteur);
  // Appends an aidant; sector is a number AddSector returned.
  void Add(std::string_view code, std::string_view nom, std::string_view prenom,
           std::uint32_t sector);
  // Gives the aidant at index the texts of row, its sector's text held anew.
  void Replace(std::size_t index, const AidantRow& row);

  std::size_t Size() const { return rows_.size(); }
  std::size_t SectorCount() const { return sectors_.size(); }
  std::string_view Code(std::size_t index) const {
    const Texts& row = rows_[index];
    return TextAt(row.at, row.codeLength);
  }
  std::string_view Nom(std::size_t index) const {
    const Texts& row = rows_[index];
    return TextAt(row.at + row.codeLength, row.nomLength);
  }
  std::string_view Prenom(std::size_t index) const {
    const Texts& row = rows_[index];
    return TextAt(row.at + row.codeLength + row.nomLength, row.prenomLength);
  }
  std::uint32_t SectorOf(std::size_t index) const { return rows_[index].sector; }
  std::string_view Secteur(std::size_t index) const { return SectorText(SectorOf(index)); }
  // The text of a sector number AddSector returned.
  std::string_view SectorText(std::uint32_t sector) const {
    return TextAt(sectors_[sector].at, sectors_[sector].length);
  }

 private:
  struct Span {
    std::size_t at;
    std::size_t length;
  };
  struct Texts {
    std::size_t at;  // code, then surname, then first name
    std::uint32_t codeLength;
    std::uint32_t nomLength;
    std::uint32_t prenomLength;
    std::uint32_t sector;
  };

  std::string_view TextAt(std::size_t at, std::size_t length) const {
    return std::string_view(texts_.data() + at, length);
  }

  std::string texts_;
  std::vector<Texts> rows_;
  std::vector<Span> sectors_;
};

}  // namespace host
