#pragma once

#include <cstddef>

#include "control/CascadeLevels.h"

// The layout of the reference keys and records the fields read.
//
// Keys nest as cascade::kLevels declares them: a sub-sector key is its sector's code
// followed by its own, a district key its sub-sector's key followed by its own, an antenna
// key its centre's code followed by its own. A code box shows only its level's own part.
namespace fields {

// An antenna key starts with its centre's code.
inline constexpr std::size_t kCentreCodeLength = cascade::kLevels[cascade::kCentre].codeLength;

// Where a level's own code starts in its key, counted from 1.
inline constexpr std::size_t kSubSectorCodeStart = cascade::CodeStart(cascade::kSubSector);
inline constexpr std::size_t kDistrictCodeStart = cascade::CodeStart(cascade::kDistrict);
inline constexpr std::size_t kAntennaCodeStart = cascade::CodeStart(cascade::kAntenna);

// Attribute 2 of a district record names the district's medical antenna.
inline constexpr long kDistrictAntennaAttribute = 2;

// In the record MOYENSLOC of TABLES, value i of attribute 3 labels the code held in
// value i of attribute 2.
inline constexpr const char* kMeansOfTransportKey = "MOYENSLOC";
inline constexpr long kMeansOfTransportCodes = 2;
inline constexpr long kMeansOfTransportLabels = 3;

}  // namespace fields
