#include "TestStore.h"

#include "basis/Error.h"
#include "dba/Marks.h"
#include "dba/Storage.h"

namespace {

const char* const kFiles[] = {"CIVILAIDANT",     "TABLES",   "SECTEUR",
                              "SOUSSECTEUR",     "QUARTIER", "CENTREMEDICAL",
                              "ANTENNEMEDICALE", "COMMUNES", "COMPTEUR"};

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
  std::string text;
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    if (i > 0)
      text += dba::kAttributeMark;
    text += attributes[i];
  }
  connection_->OpenFile(file)->WriteRecord(key, dba::DynamicArray(key, text));
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
  std::string text;
  bool first = true;
  for (const auto& value : values) {
    if (!first)
      text += dba::kValueMark;
    text += value;
    first = false;
  }
  return text;
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

  auto aidant = [](const std::string& nom, const std::string& prenom) {
    std::vector<std::string> attributes(43);
    attributes[1] = nom;
    attributes[2] = prenom;
    return attributes;
  };
  std::vector<std::string> a001 = aidant("DUPONT", "Marie");
  a001[30] = "001";
  a001[31] = "00101";
  a001[32] = "0010101";
  a001[33] = "2";
  a001[34] = "010001";
  a001[38] = "75001";
  a001[42] = Values({"002", "012"});
  Put("CIVILAIDANT", "A001", a001);
  std::vector<std::string> a002 = aidant("MARTIN", "Jean");
  a002[38] = "75001";
  Put("CIVILAIDANT", "A002", a002);
  Put("CIVILAIDANT", "A003", aidant("PETIT", "Léa"));
}
