#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"
#include "dba/Storage.h"
#include "servicedata/ServiceGenerator.h"

namespace {

using servicedata::ServiceGenerator;
using servicedata::ServiceScale;
using Records = std::map<std::string, dba::DynamicArray>;

TEST(ServiceGenerator, MakesAnOfficeOfTheSizeAsked) {
  std::map<std::string, long> counts;
  const long records = ServiceGenerator(ServiceScale::Office())
                           .Generate([&](const std::string& file, const std::string&,
                                         const std::string&) { ++counts[file]; });
  const std::map<std::string, long> expected = {
      {"ANTENNEMEDICALE", 1000}, {"CENTREMEDICAL", 200}, {"CIVILAIDANT", 10000},
      {"COMMUNES", 300},         {"COMPTEUR", 1},        {"QUARTIER", 5000},
      {"SECTEUR", 50},           {"SOUSSECTEUR", 500},   {"TABLES", 1}};
  EXPECT_EQ(counts, expected);
  EXPECT_EQ(records, 17052);
}

// A service small enough to check record by record, with a centre of 1,000 antennas.
class SmallService : public ::testing::Test {
 protected:
  static ServiceScale Scale() {
    ServiceScale scale = ServiceScale::Stress();
    scale.sectors = 12;
    scale.subSectorsPerSector = 4;
    scale.districtsInFirstSubSector = 30;
    scale.districtsPerSubSector = 3;
    scale.centres = 6;
    scale.largeCentreEvery = 5;
    scale.aidants = 300;
    scale.communes = 40;
    return scale;
  }
  static void SetUpTestSuite() {
    connection_ = dba::DatabaseClient().Connect("sqlite::memory:");
    ServiceGenerator(Scale()).Load(*connection_);
    for (const std::string& file : ServiceGenerator::Files()) {
      for (const auto& record : connection_->GetStorage().Scan(file, dba::KeyRange::All()))
        files_[file].emplace(record.key, dba::DynamicArray(record.key, record.body));
    }
  }
  static void TearDownTestSuite() { connection_.reset(); }

  static bool Has(const std::string& file, const std::string& key) {
    return files_[file].contains(key);
  }

  static inline std::shared_ptr<dba::DatabaseConnection> connection_;
  static inline std::map<std::string, Records> files_;
};

TEST_F(SmallService, EveryReferenceNamesARecordThatExists) {
  for (const auto& [key, record] : files_["SOUSSECTEUR"])
    EXPECT_TRUE(Has("SECTEUR", key.substr(0, 3))) << key;
  for (const auto& [key, record] : files_["QUARTIER"]) {
    EXPECT_TRUE(Has("SOUSSECTEUR", key.substr(0, 5))) << key;
    EXPECT_TRUE(Has("ANTENNEMEDICALE", record.Extract(2).Text())) << key;
  }
  for (const auto& [key, record] : files_["ANTENNEMEDICALE"])
    EXPECT_TRUE(Has("CENTREMEDICAL", key.substr(0, 3))) << key;
  for (const auto& [key, record] : files_["COMMUNES"]) {
    const std::string sector = record.Extract(3).Text();
    EXPECT_TRUE(sector.empty() || Has("SECTEUR", sector)) << key;
  }
  const long transports = files_["TABLES"]["MOYENSLOC"].DCount(2);
  long sectorised = 0;
  for (const auto& [key, aidant] : files_["CIVILAIDANT"]) {
    EXPECT_TRUE(Has("COMMUNES", aidant.Extract(39).Text())) << key;
    if (aidant.Extract(31).Text().empty())
      continue;
    ++sectorised;
    const std::string district = aidant.Extract(33).Text();
    EXPECT_TRUE(Has("QUARTIER", district)) << key;
    EXPECT_EQ(district.substr(0, 5), aidant.Extract(32).Text()) << key;
    EXPECT_EQ(district.substr(0, 3), aidant.Extract(31).Text()) << key;
    EXPECT_TRUE(Has("ANTENNEMEDICALE", aidant.Extract(35).Text())) << key;
    const long transport = std::stol(aidant.Extract(34).Text());
    EXPECT_TRUE(transport >= 1 && transport <= transports) << key;
    for (long value = 1; value <= aidant.DCount(43); ++value)
      EXPECT_TRUE(Has("SECTEUR", aidant.Extract(43, value).Text())) << key;
  }
  EXPECT_GT(sectorised, 200);
  EXPECT_LT(sectorised, 300);
}

TEST_F(SmallService, LandmarksAreWhereTheMeasurementsLookForThem) {
  const dba::DynamicArray& first = files_["CIVILAIDANT"][ServiceGenerator::AidantKey(1)];
  EXPECT_EQ(first.Extract(32).Text(), ServiceGenerator::LargeSubSector());
  const std::string centre = ServiceGenerator(Scale()).LargeCentre();
  EXPECT_EQ(first.Extract(35).Text().substr(0, 3), centre);
  long antennas = 0;
  for (const auto& [key, record] : files_["ANTENNEMEDICALE"])
    antennas += key.starts_with(centre);
  EXPECT_EQ(antennas, 1000);
  long accented = 0;
  for (const auto& [key, record] : files_["SECTEUR"])
    accented += record.Extract(1).Text().find('\xC3') != std::string::npos;
  EXPECT_GT(accented, 2);
}

// The JSON Lines are what an export of the loaded store writes, byte for byte.
TEST_F(SmallService, JsonLinesAreTheExportOfTheStore) {
  std::ostringstream generated, exported;
  ServiceGenerator(Scale()).WriteJsonLines(generated);
  dba::JsonLines::Export(*connection_, {}, exported);
  EXPECT_TRUE(generated.str() == exported.str());
}

}  // namespace
