#pragma once

#include <cstddef>

// The layout of the reference keys and records the fields read.
//
// Keys nest: a sub-sector key is its sector's code followed by two characters, a
// district key its sub-sector's key followed by two, an antenna key its centre's code
// followed by three. A code box shows only its level's own part of the key.
namespace fields {

inline constexpr std::size_t kSectorCodeLength = 3;
inline constexpr std::size_t kSubSectorCodeLength = 2;
inline constexpr std::size_t kDistrictCodeLength = 2;
inline constexpr std::size_t kCentreCodeLength = 3;
inline constexpr std::size_t kAntennaCodeLength = 3;

// Where a level's own code starts in its key, counted from 1.
inline constexpr std::size_t kSubSectorCodeStart = kSectorCodeLength + 1;
inline constexpr std::size_t kDistrictCodeStart = kSectorCodeLength + kSubSectorCodeLength + 1;
inline constexpr std::size_t kAntennaCodeStart = kCentreCodeLength + 1;

// Attribute 2 of a district record names the district's medical antenna.
inline constexpr long kDistrictAntennaAttribute = 2;

// In the record MOYENSLOC of TABLES, value i of attribute 3 labels the code held in
// value i of attribute 2.
inline constexpr const char* kMeansOfTransportKey = "MOYENSLOC";
inline constexpr long kMeansOfTransportCodes = 2;
inline constexpr long kMeansOfTransportLabels = 3;

}  // namespace fields
