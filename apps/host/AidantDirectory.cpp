#include "host/AidantDirectory.h"

#include <functional>
#include <map>
#include <unordered_map>

#include "basis/Error.h"
#include "dba/KeyRange.h"
#include "dba/MarkedText.h"
#include "dba/Marks.h"
#include "dba/Storage.h"

namespace host {
namespace {

constexpr long kNom = 2;
constexpr long kPrenom = 3;
constexpr long kSecteur = 31;
constexpr long kSectorLabel = 1;

std::string_view AttributeOf(std::string_view body, long attribute) {
  return dba::MarkedText::Field(body, dba::kAttributeMark, attribute);
}

// The attributes the list shows, found in one walk of the body that stops at the sector:
// a hundred thousand records are walked once each, not once per attribute.
struct ShownAttributes {
  std::string_view nom;
  std::string_view prenom;
  std::string_view sector;
};

ShownAttributes ShownOf(std::string_view body) {
  ShownAttributes shown;
  for (long attribute = 1; attribute <= kSecteur; ++attribute) {
    const std::size_t end = body.find(dba::kAttributeMark);
    const std::string_view field = body.substr(0, end);
    if (attribute == kNom)
      shown.nom = field;
    else if (attribute == kPrenom)
      shown.prenom = field;
    else if (attribute == kSecteur)
      shown.sector = field;
    if (end == std::string_view::npos)
      break;
    body.remove_prefix(end + 1);
  }
  return shown;
}

std::string SecteurOf(std::string_view sector, std::string_view sectorLabel) {
  std::string secteur(sector);
  if (!sector.empty() && !sectorLabel.empty())
    secteur.append(1, ' ').append(sectorLabel);
  return secteur;
}

// Finds a sector's number by a view of its code, without copying the code.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>()(text);
  }
};

}  // namespace

AidantTable ReadAidants(dba::DatabaseConnection& connection) {
  // Opening names a missing file the way the screen does.
  const std::string aidants = connection.OpenFile("CIVILAIDANT")->Name();
  const std::string sectors = connection.OpenFile("SECTEUR")->Name();
  dba::Storage& storage = connection.GetStorage();
  std::map<std::string, std::string, std::less<>> labels;
  storage.ScanEach(sectors, dba::KeyRange::All(),
                   [&labels](std::string_view key, std::string_view body) {
                     labels.emplace(key, AttributeOf(body, kSectorLabel));
                   });
  // Each record is read where the store hands it over: no copy of the bodies is kept.
  // The aidants of a sector share its text, made when the first of them is met.
  AidantTable table;
  std::unordered_map<std::string, std::uint32_t, TextHash, std::equal_to<>> sectorNumbers;
  storage.ScanEach(aidants, dba::KeyRange::All(), [&](std::string_view key, std::string_view body) {
    const ShownAttributes shown = ShownOf(body);
    auto number = sectorNumbers.find(shown.sector);
    if (number == sectorNumbers.end()) {
      const auto label = labels.find(shown.sector);
      const std::string secteur =
          SecteurOf(shown.sector, label == labels.end() ? std::string_view() : label->second);
      number = sectorNumbers.emplace(shown.sector, table.AddSector(secteur)).first;
    }
    table.Add(key, shown.nom, shown.prenom, number->second);
  });
  return table;
}

std::optional<AidantRow> ReadAidant(dba::DatabaseConnection& connection, const std::string& code) {
  const std::string aidants = connection.OpenFile("CIVILAIDANT")->Name();
  const std::string sectors = connection.OpenFile("SECTEUR")->Name();
  dba::Storage& storage = connection.GetStorage();
  const std::optional<std::string> body = storage.Read(aidants, code);
  if (!body)
    return std::nullopt;
  const ShownAttributes shown = ShownOf(*body);
  const std::optional<std::string> sector = storage.Read(sectors, std::string(shown.sector));
  return AidantRow{
      code, std::string(shown.nom), std::string(shown.prenom),
      SecteurOf(shown.sector, sector ? AttributeOf(*sector, kSectorLabel) : std::string_view())};
}

}  // namespace host
