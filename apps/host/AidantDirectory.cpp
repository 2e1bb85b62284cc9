#include "host/AidantDirectory.h"

#include <map>

#include "basis/Error.h"

namespace host {
namespace {

// Sector labels, each read once however many aidants share the sector.
class SectorLabels {
 public:
  explicit SectorLabels(dba::DatabaseConnection& connection)
      : file_(connection.OpenFile("SECTEUR")) {}

  std::string Describe(const std::string& code) {
    if (code.empty())
      return "";
    auto [entry, added] = labels_.try_emplace(code);
    if (added)
      entry->second = Label(code);
    return entry->second.empty() ? code : code + " " + entry->second;
  }

 private:
  std::string Label(const std::string& code) {
    try {
      return file_->ReadRecord(code)->Extract(1).Text();
    } catch (const basis::Error& error) {
      if (error.Number() != basis::kRecordNotFound)
        throw;
      return "";
    }
  }

  std::shared_ptr<dba::DatabaseFile> file_;
  std::map<std::string, std::string> labels_;
};

}  // namespace

std::vector<AidantRow> ReadAidants(dba::DatabaseConnection& connection) {
  auto aidants = connection.OpenFile("CIVILAIDANT");
  SectorLabels sectors(connection);
  std::vector<AidantRow> rows;
  for (const std::string& code : aidants->ListKeys()) {
    const auto record = aidants->ReadRecord(code);
    rows.push_back({code, record->Extract(2).Text(), record->Extract(3).Text(),
                    sectors.Describe(record->Extract(31).Text())});
  }
  return rows;
}

}  // namespace host
