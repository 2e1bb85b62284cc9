#include "host/AidantDirectory.h"

#include <map>

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
  long attribute = 1;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= body.size(); ++i) {
    if (i < body.size() && body[i] != dba::kAttributeMark)
      continue;
    const std::string_view field = body.substr(start, i - start);
    if (attribute == kNom)
      shown.nom = field;
    else if (attribute == kPrenom)
      shown.prenom = field;
    else if (attribute == kSecteur)
      shown.sector = field;
    if (attribute == kSecteur)
      break;
    ++attribute;
    start = i + 1;
  }
  return shown;
}

AidantRow RowOf(std::string_view code, const ShownAttributes& shown, std::string_view sectorLabel) {
  std::string secteur(shown.sector);
  if (!shown.sector.empty() && !sectorLabel.empty())
    secteur.append(1, ' ').append(sectorLabel);
  return {std::string(code), std::string(shown.nom), std::string(shown.prenom), std::move(secteur)};
}

}  // namespace

std::vector<AidantRow> ReadAidants(dba::DatabaseConnection& connection) {
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
  std::vector<AidantRow> rows;
  storage.ScanEach(aidants, dba::KeyRange::All(), [&](std::string_view key, std::string_view body) {
    const ShownAttributes shown = ShownOf(body);
    const auto label = labels.find(shown.sector);
    rows.push_back(RowOf(key, shown, label == labels.end() ? std::string_view() : label->second));
  });
  return rows;
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
  return RowOf(code, shown, sector ? AttributeOf(*sector, kSectorLabel) : std::string_view());
}

}  // namespace host
