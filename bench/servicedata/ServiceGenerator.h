#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "servicedata/ServiceScale.h"

namespace dba {
class DatabaseConnection;
}

namespace servicedata {

// Makes the reference data and aidants of a whole service, the same on every machine for a
// given scale: accented French labels, and every reference (an aidant's sector, sub-sector,
// district, antenna, commune and associated sectors, a district's antenna, a commune's
// sector) naming a record that exists. Aidant 1 of every scale has a complete
// sectorisation in the large sub-sector 00100, with an antenna of the largest centre.
class ServiceGenerator {
 public:
  // Receives each record: its file, key, and text with the dynamic array's marks, in the
  // form the store keeps (no trailing empty attribute).
  using Emit =
      std::function<void(const std::string& file, const std::string& key, const std::string& body)>;

  explicit ServiceGenerator(ServiceScale scale) : scale_(std::move(scale)) {}

  const ServiceScale& Scale() const { return scale_; }

  // The nine files the screen opens, in name order.
  static const std::vector<std::string>& Files();

  // Every record, file after file in name order, each file in key order: the order in
  // which the store exports them. Returns the number of records.
  long Generate(const Emit& emit) const;

  // Creates the nine files and writes every record in one write transaction. Returns the
  // number of records.
  long Load(dba::DatabaseConnection& connection) const;

  // Every record as a JSON line, exactly as an export of the loaded store writes it.
  void WriteJsonLines(std::ostream& output) const;

  // Landmarks for the measurements.
  static std::string AidantKey(int number);  // number from 1: "A000001"
  static std::string SectorKey(int number);  // number from 1: "001"
  // The sub-sector holding the most districts: "00100".
  static std::string LargeSubSector() { return "00100"; }
  // The centre holding the most antennas.
  std::string LargeCentre() const;

 private:
  void EmitAntennas(const Emit& emit) const;
  void EmitCentres(const Emit& emit) const;
  void EmitAidants(const Emit& emit) const;
  void EmitCommunes(const Emit& emit) const;
  void EmitDistricts(const Emit& emit) const;
  void EmitSectors(const Emit& emit) const;
  void EmitSubSectors(const Emit& emit) const;
  int AntennasOf(int centre) const;
  int DistrictsOf(int subSector) const;
  // The antenna key of a district, chosen among existing antennas.
  std::string AntennaOfDistrict(int sector, int subSector, int district) const;

  ServiceScale scale_;
};

}  // namespace servicedata
