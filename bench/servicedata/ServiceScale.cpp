#include "servicedata/ServiceScale.h"

namespace servicedata {

ServiceScale ServiceScale::Office() {
  return {.name = "office",
          .sectors = 50,
          .subSectorsPerSector = 10,
          .districtsInFirstSubSector = 10,
          .districtsPerSubSector = 10,
          .centres = 200,
          .antennasPerCentre = 5,
          .aidants = 10000,
          .communes = 300};
}

ServiceScale ServiceScale::Stress() {
  return {.name = "stress",
          .sectors = 999,
          .subSectorsPerSector = 100,
          .districtsInFirstSubSector = 100,
          .districtsPerSubSector = 9,
          .centres = 999,
          .largeCentreEvery = 100,
          .antennasPerCentre = 3,
          .aidants = 100000,
          .communes = 3000};
}

}  // namespace servicedata
