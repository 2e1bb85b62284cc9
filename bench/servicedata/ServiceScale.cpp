#include "servicedata/ServiceScale.h"

namespace servicedata {

ServiceScale ServiceScale::Office() {
  ServiceScale scale;
  scale.name = "office";
  scale.sectors = 50;
  scale.subSectorsPerSector = 10;
  scale.districtsInFirstSubSector = 10;
  scale.districtsPerSubSector = 10;
  scale.centres = 200;
  scale.antennasPerCentre = 5;
  scale.aidants = 10000;
  scale.communes = 300;
  return scale;
}

ServiceScale ServiceScale::Stress() {
  ServiceScale scale;
  scale.name = "stress";
  scale.sectors = 999;
  scale.subSectorsPerSector = 100;
  scale.districtsInFirstSubSector = 100;
  scale.districtsPerSubSector = 9;
  scale.centres = 999;
  scale.largeCentreEvery = 100;
  scale.antennasPerCentre = 3;
  scale.aidants = 100000;
  scale.communes = 3000;
  return scale;
}

}  // namespace servicedata
