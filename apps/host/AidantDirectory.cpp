#include "host/AidantDirectory.h"

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

std::string AttributeOf(std::string_view body, long attribute) {
  return std::string(dba::MarkedText::Field(body, dba::kAttributeMark, attribute));
}

std::string Describe(const std::string& code, const std::string& label) {
  return label.empty() ? code : code + " " + label;
}

AidantRow RowOf(std::string code, std::string_view body, const std::string& sectorLabel) {
  const std::string sector = AttributeOf(body, kSecteur);
  return {std::move(code), AttributeOf(body, kNom), AttributeOf(body, kPrenom),
          sector.empty() ? "" : Describe(sector, sectorLabel)};
}

}  // namespace

std::vector<AidantRow> ReadAidants(dba::DatabaseConnection& connection) {
  // Opening names a missing file the way the screen does.
  const std::string aidants = connection.OpenFile("CIVILAIDANT")->Name();
  const std::string sectors = connection.OpenFile("SECTEUR")->Name();
  dba::Storage& storage = connection.GetStorage();
  std::unordered_map<std::string, std::string> labels;
  for (const dba::StoredRecord& sector : storage.Scan(sectors, dba::KeyRange::All()))
    labels.emplace(sector.key, AttributeOf(sector.body, kSectorLabel));
  std::vector<dba::StoredRecord> records = storage.Scan(aidants, dba::KeyRange::All());
  std::vector<AidantRow> rows;
  rows.reserve(records.size());
  const std::string noLabel;
  for (dba::StoredRecord& record : records) {
    const auto label = labels.find(AttributeOf(record.body, kSecteur));
    rows.push_back(
        RowOf(std::move(record.key), record.body, label == labels.end() ? noLabel : label->second));
  }
  return rows;
}

std::optional<AidantRow> ReadAidant(dba::DatabaseConnection& connection, const std::string& code) {
  const std::string aidants = connection.OpenFile("CIVILAIDANT")->Name();
  const std::string sectors = connection.OpenFile("SECTEUR")->Name();
  dba::Storage& storage = connection.GetStorage();
  const std::optional<std::string> body = storage.Read(aidants, code);
  if (!body)
    return std::nullopt;
  const std::optional<std::string> sector = storage.Read(sectors, AttributeOf(*body, kSecteur));
  return RowOf(code, *body, sector ? AttributeOf(*sector, kSectorLabel) : "");
}

}  // namespace host
