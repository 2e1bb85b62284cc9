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

AidantRow RowOf(std::string_view code, std::string_view body, std::string_view sectorLabel) {
  const std::string_view sector = AttributeOf(body, kSecteur);
  std::string secteur(sector);
  if (!sector.empty() && !sectorLabel.empty())
    secteur.append(1, ' ').append(sectorLabel);
  return {std::string(code), std::string(AttributeOf(body, kNom)),
          std::string(AttributeOf(body, kPrenom)), std::move(secteur)};
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
    const auto label = labels.find(AttributeOf(body, kSecteur));
    rows.push_back(RowOf(key, body, label == labels.end() ? std::string_view() : label->second));
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
  const std::optional<std::string> sector =
      storage.Read(sectors, std::string(AttributeOf(*body, kSecteur)));
  return RowOf(code, *body, sector ? AttributeOf(*sector, kSectorLabel) : std::string_view());
}

}  // namespace host
