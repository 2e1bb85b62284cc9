#include "TestStore.h"

#include <span>

#include "basis/Error.h"
#include "dba/Marks.h"
#include "dba/Storage.h"

namespace {

const char* const kFiles[] = {"CIVILAIDANT",     "TABLES",   "SECTEUR",
                              "SOUSSECTEUR",     "QUARTIER", "CENTREMEDICAL",
                              "ANTENNEMEDICALE", "COMMUNES", "COMPTEUR"};

std::string Joined(std::span<const std::string> parts, char mark) {
  std::string text;
  for (const std::string& part : parts) {
    if (&part != parts.data())
      text += mark;
    text += part;
  }
  return text;
}

}  // namespace

TestStore::TestStore(const std::string& address)
    : client_(std::make_shared<dba::DatabaseClient>()),
      connection_(client_->Connect(address, dba::OpenMode::kCreateIfMissing)) {
  connection_->GetStorage().WriteTransaction([this] {
    for (const char* file : kFiles)
      connection_->CreateFile(file);
  });
}

void TestStore::Put(const std::string& file, const std::string& key,
                    const std::vector<std::string>& attributes) {
  connection_->OpenFile(file)->WriteRecord(
      key, dba::DynamicArray(key, Joined(attributes, dba::kAttributeMark)));
}

void TestStore::PutAidant(const std::string& key, const std::map<long, std::string>& attributes) {
  std::vector<std::string> record(attributes.rbegin()->first);
  for (const auto& [attribute, text] : attributes)
    record[attribute - 1] = text;
  Put("CIVILAIDANT", key, record);
}

void TestStore::SetCounter(const std::string& value) {
  std::vector<std::string> counter(45);
  counter[44] = value;
  Put("COMPTEUR", "999", counter);
}

void TestStore::Remove(const std::string& file, const std::string& key) {
  connection_->OpenFile(file)->DeleteRecord(key);
}

std::shared_ptr<dba::DynamicArray> TestStore::Get(const std::string& file,
                                                  const std::string& key) const {
  try {
    return connection_->OpenFile(file)->ReadRecord(key);
  } catch (const basis::Error& error) {
    if (error.Number() == basis::kRecordNotFound)
      return nullptr;
    throw;
  }
}

std::string TestStore::Element(const std::string& file, const std::string& key, long attribute,
                               long value) const {
  auto record = Get(file, key);
  return record ? record->Extract(attribute, value).Text() : "";
}

std::string TestStore::Values(std::initializer_list<std::string> values) {
  return Joined({values.begin(), values.size()}, dba::kValueMark);
}

void TestStore::LoadStandardWorld() {
  Put("SECTEUR", "001", {"Centre-ville"});
  Put("SECTEUR", "002", {"Nord"});
  Put("SECTEUR", "003", {"Sud"});
  Put("SECTEUR", "012", {"Écluse"});
  Put("SOUSSECTEUR", "00101", {"Gare"});
  Put("SOUSSECTEUR", "00105", {"Halles"});
  Put("SOUSSECTEUR", "00112", {"Cathédrale"});
  Put("SOUSSECTEUR", "00201", {"Parc"});
  Put("SOUSSECTEUR", "00205", {"Forêt"});
  Put("SOUSSECTEUR", "01201", {"Port"});
  Put("QUARTIER", "0010101", {"Quai A", "010001"});
  Put("QUARTIER", "0010102", {"Quai B", "010002"});
  Put("QUARTIER", "0010501", {"Marché", "020001"});
  Put("QUARTIER", "0020101", {"Lilas", "010002"});
  Put("QUARTIER", "0020501", {"Chênes", "030001"});
  Put("QUARTIER", "0120101", {"Bassin", "030001"});
  Put("CENTREMEDICAL", "010", {"Hôpital Nord"});
  Put("CENTREMEDICAL", "020", {"Clinique Sud"});
  Put("CENTREMEDICAL", "030", {"Centre Ouest"});
  Put("ANTENNEMEDICALE", "010001", {"Antenne Gare"});
  Put("ANTENNEMEDICALE", "010002", {"Antenne Lilas"});
  Put("ANTENNEMEDICALE", "020001", {"Antenne Marché"});
  Put("ANTENNEMEDICALE", "020002", {"Antenne Halles"});
  Put("ANTENNEMEDICALE", "030001", {"Antenne Port"});
  Put("TABLES", "MOYENSLOC",
      {"", Values({"1", "2", "3", "4"}),
       Values({"Voiture", "Vélo", "Transports en commun", "À pied"})});
  Put("COMMUNES", "75001", {"Paris 1er", "", "001"});
  Put("COMMUNES", "75002", {"Paris 2e", "", ""});
  SetCounter("0");

  PutAidant("A001", {{2, "DUPONT"},
                     {3, "Marie"},
                     {31, "001"},
                     {32, "00101"},
                     {33, "0010101"},
                     {34, "2"},
                     {35, "010001"},
                     {39, "75001"},
                     {43, Values({"002", "012"})}});
  PutAidant("A002", {{2, "MARTIN"}, {3, "Jean"}, {39, "75001"}, {43, ""}});
  PutAidant("A003", {{2, "PETIT"}, {3, "Léa"}, {43, ""}});
}
