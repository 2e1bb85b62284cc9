#include "host/AidantTable.h"

namespace host {

std::uint32_t AidantTable::AddSector(std::string_view secteur) {
  sectors_.push_back({texts_.size(), secteur.size()});
  texts_.append(secteur);
  return static_cast<std::uint32_t>(sectors_.size() - 1);
}

void AidantTable::Add(std::string_view code, std::string_view nom, std::string_view prenom,
                      std::uint32_t sector) {
  rows_.push_back({texts_.size(), static_cast<std::uint32_t>(code.size()),
                   static_cast<std::uint32_t>(nom.size()),
                   static_cast<std::uint32_t>(prenom.size()), sector});
  texts_.append(code).append(nom).append(prenom);
}

void AidantTable::Replace(std::size_t index, const AidantRow& row) {
  const std::uint32_t sector = AddSector(row.secteur);
  Add(row.code, row.nom, row.prenom, sector);
  rows_[index] = rows_.back();
  rows_.pop_back();
}

}  // namespace host
