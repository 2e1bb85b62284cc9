#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "dba/DatabaseConnection.h"
#include "dba/DynamicArray.h"

// The references between the screen's files that must resolve: a sub-sector's sector, a
// district's sub-sector and antenna, an antenna's centre, a commune's sector, each
// reference of an aidant's sectorisation and commune, and the records "MOYENSLOC" of
// TABLES and "999" of COMPTEUR. An empty reference is no reference. Reads each file
// once; safe on a store other workstations are writing (each file is read as committed).
class ReferenceCheck {
 public:
  explicit ReferenceCheck(dba::DatabaseConnection& connection) : connection_(connection) {}

  // One French sentence per reference that does not resolve, file by file in key order.
  // A failure to read the store is raised (basis::Error).
  std::vector<std::string> Problems();

 private:
  using Keys = std::unordered_set<std::string>;
  struct Record {
    std::string key;
    dba::DynamicArray fields;
  };

  std::vector<Record> Records(const std::string& file);
  static Keys KeysOf(const std::vector<Record>& records);
  void Expect(const Keys& keys, const std::string& wanted, const std::string& where,
              const std::string& what);
  // Each record's key must begin with the key of a record of parents, width long.
  void ExpectParents(const std::vector<Record>& records, const std::string& file,
                     const Keys& parents, std::size_t width, const std::string& what);
  void CheckAidant(const Record& aidant);

  dba::DatabaseConnection& connection_;
  std::vector<std::string> problems_;
  Keys sectors_, subSectors_, districts_, centres_, antennas_, communes_, transports_;
};
