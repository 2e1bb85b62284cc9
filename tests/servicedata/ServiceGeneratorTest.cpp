#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "ReferenceCheck.h"
#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"
#include "dba/Storage.h"
#include "servicedata/ServiceGenerator.h"

namespace {

using servicedata::ServiceGenerator;
using servicedata::ServiceScale;
using Records = std::map<std::string, dba::DynamicArray>;

// A service small enough to check record by record, with a centre of 1,000 antennas.
class SmallService : public ::testing::Test {
 protected:
  static ServiceScale Scale() {
    return {.name = "small",
            .sectors = 12,
            .subSectorsPerSector = 4,
            .districtsInFirstSubSector = 30,
            .districtsPerSubSector = 3,
            .centres = 6,
            .largeCentreEvery = 5,
            .antennasPerCentre = 3,
            .aidants = 300,
            .communes = 40};
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

  static inline std::shared_ptr<dba::DatabaseConnection> connection_;
  static inline std::map<std::string, Records> files_;
};

TEST_F(SmallService, HasTheSizeAskedAndEveryReferenceNamesARecordThatExists) {
  std::map<std::string, std::size_t> counts;
  for (const auto& [file, records] : files_)
    counts[file] = records.size();
  const std::map<std::string, std::size_t> expected = {
      {"ANTENNEMEDICALE", 1015}, {"CENTREMEDICAL", 6}, {"CIVILAIDANT", 300},
      {"COMMUNES", 40},          {"COMPTEUR", 1},      {"QUARTIER", 468},
      {"SECTEUR", 12},           {"SOUSSECTEUR", 48},  {"TABLES", 1}};
  EXPECT_EQ(counts, expected);
  EXPECT_EQ(ReferenceCheck(*connection_).Problems(), std::vector<std::string>{});
  // An aidant's district lies in its sub-sector and sector.
  long sectorised = 0;
  for (const auto& [key, aidant] : files_["CIVILAIDANT"]) {
    EXPECT_FALSE(aidant.Extract(39).Text().empty()) << key;
    if (aidant.Extract(31).Text().empty())
      continue;
    ++sectorised;
    const std::string district = aidant.Extract(33).Text();
    EXPECT_EQ(district.substr(0, 5), aidant.Extract(32).Text()) << key;
    EXPECT_EQ(district.substr(0, 3), aidant.Extract(31).Text()) << key;
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
