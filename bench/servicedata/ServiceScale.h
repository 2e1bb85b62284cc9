#pragma once

#include <string>

namespace servicedata {

// The size of a generated home-help service. Sector keys run from 001, sub-sector codes
// and district codes from 00, centre keys from 001, antenna codes from 000.
struct ServiceScale {
  std::string name;
  int sectors = 0;
  int subSectorsPerSector = 0;
  // Sub-sector 00 of every sector is the large one: it holds this many districts.
  int districtsInFirstSubSector = 0;
  int districtsPerSubSector = 0;
  int centres = 0;
  // Every largeCentreEvery-th centre (100, 200, ... for 100) holds 1,000 antennas; the
  // others hold antennasPerCentre. 0: no large centre.
  int largeCentreEvery = 0;
  int antennasPerCentre = 0;
  int aidants = 0;
  int communes = 0;

  // An office: 50 sectors, 500 sub-sectors, 5,000 districts, 200 centres, 1,000
  // antennas, 10,000 aidants, 300 communes.
  static ServiceScale Office();
  // A large service: 999 sectors of 100 sub-sectors, about a million districts, 999
  // centres of which nine hold 1,000 antennas and the others three, 100,000 aidants,
  // 3,000 communes.
  static ServiceScale Stress();
};

}  // namespace servicedata
