#include "ReferenceCheck.h"

#include "dba/Storage.h"
#include "record/AidantAttributes.h"

namespace {

// Key widths: a sub-sector key begins with its sector's, a district's with its
// sub-sector's, an antenna's with its centre's.
constexpr std::size_t kSectorWidth = 3;
constexpr std::size_t kSubSectorWidth = 5;
constexpr std::size_t kCentreWidth = 3;

constexpr long kDistrictAntenna = 2;
constexpr long kCommuneSector = 3;
constexpr long kAidantCommune = 39;
constexpr long kTransportCodes = 2;

// The screen turns transport codes into numbers, so "04" names the code 4.
std::string TransportCode(const std::string& text) {
  const bool number = !text.empty() && text.size() < 10 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  return number ? std::to_string(std::stol(text)) : text;
}

}  // namespace

std::vector<ReferenceCheck::Record> ReferenceCheck::Records(const std::string& file) {
  std::vector<Record> records;
  dba::Storage& storage = connection_.GetStorage();
  if (!storage.HasFile(file)) {
    problems_.push_back("Le fichier " + file + " n'existe pas.");
    return records;
  }
  for (dba::StoredRecord& stored : storage.Scan(file, dba::KeyRange::All()))
    records.push_back({stored.key, dba::DynamicArray(stored.key, stored.body)});
  return records;
}

ReferenceCheck::Keys ReferenceCheck::KeysOf(const std::vector<Record>& records) {
  Keys keys;
  for (const Record& record : records)
    keys.insert(record.key);
  return keys;
}

void ReferenceCheck::Expect(const Keys& keys, const std::string& wanted, const std::string& where,
                            const std::string& what) {
  if (!wanted.empty() && !keys.contains(wanted))
    problems_.push_back(where + " : " + what + " « " + wanted + " » n'existe pas.");
}

void ReferenceCheck::ExpectParents(const std::vector<Record>& records, const std::string& file,
                                   const Keys& parents, std::size_t width,
                                   const std::string& what) {
  for (const Record& record : records)
    Expect(parents, record.key.substr(0, width), file + " " + record.key, what);
}

std::vector<std::string> ReferenceCheck::Problems() {
  problems_.clear();
  sectors_ = KeysOf(Records("SECTEUR"));
  const auto subSectors = Records("SOUSSECTEUR");
  subSectors_ = KeysOf(subSectors);
  ExpectParents(subSectors, "SOUSSECTEUR", sectors_, kSectorWidth, "le secteur");
  centres_ = KeysOf(Records("CENTREMEDICAL"));
  const auto antennas = Records("ANTENNEMEDICALE");
  antennas_ = KeysOf(antennas);
  ExpectParents(antennas, "ANTENNEMEDICALE", centres_, kCentreWidth, "le centre médical");
  const auto districts = Records("QUARTIER");
  districts_ = KeysOf(districts);
  ExpectParents(districts, "QUARTIER", subSectors_, kSubSectorWidth, "le sous-secteur");
  for (const Record& district : districts)
    Expect(antennas_, district.fields.Extract(kDistrictAntenna).Text(), "QUARTIER " + district.key,
           "l'antenne médicale");
  const auto communes = Records("COMMUNES");
  communes_ = KeysOf(communes);
  for (const Record& commune : communes)
    Expect(sectors_, commune.fields.Extract(kCommuneSector).Text(), "COMMUNES " + commune.key,
           "le secteur");

  transports_.clear();
  for (const Record& table : Records("TABLES")) {
    if (table.key != "MOYENSLOC")
      continue;
    for (long value = 1; value <= table.fields.DCount(kTransportCodes); ++value)
      transports_.insert(TransportCode(table.fields.Extract(kTransportCodes, value).Text()));
  }
  if (transports_.empty())
    problems_.push_back("TABLES : l'enregistrement « MOYENSLOC » n'existe pas ou n'a aucun code.");
  if (!KeysOf(Records("COMPTEUR")).contains("999"))
    problems_.push_back("COMPTEUR : l'enregistrement « 999 » n'existe pas.");
  for (const Record& aidant : Records("CIVILAIDANT"))
    CheckAidant(aidant);
  return problems_;
}

void ReferenceCheck::CheckAidant(const Record& aidant) {
  const std::string where = "CIVILAIDANT " + aidant.key;
  const auto field = [&](long attribute) { return aidant.fields.Extract(attribute).Text(); };
  Expect(sectors_, field(record::kSecteur), where, "le secteur");
  Expect(subSectors_, field(record::kSousSecteur), where, "le sous-secteur");
  Expect(districts_, field(record::kQuartier), where, "le quartier");
  const std::string antenna = field(record::kAntenneMedicale);
  Expect(centres_, antenna.substr(0, kCentreWidth), where, "le centre médical");
  Expect(antennas_, antenna, where, "l'antenne médicale");
  Expect(transports_, TransportCode(field(record::kMoyenLoc)), where, "le moyen de locomotion");
  Expect(communes_, field(kAidantCommune), where, "la commune");
  for (long value = 1; value <= aidant.fields.DCount(record::kSecteursAssocies); ++value)
    Expect(sectors_, aidant.fields.Extract(record::kSecteursAssocies, value).Text(), where,
           "le secteur associé");
}
