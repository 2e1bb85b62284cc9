#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dba/DatabaseClient.h"
#include "dba/DatabaseConnection.h"
#include "dba/DynamicArray.h"

// A real record store with the nine files of the screen, filled per test: in memory
// unless an address is given (see StoreEngines for one of each engine).
class TestStore {
 public:
  explicit TestStore(const std::string& address = "sqlite::memory:");

  std::shared_ptr<dba::DatabaseClient> Client() const { return client_; }
  std::shared_ptr<dba::DatabaseConnection> Connection() const { return connection_; }

  // attributes[0] is attribute 1; a multivalued attribute is made with Values().
  void Put(const std::string& file, const std::string& key,
           const std::vector<std::string>& attributes);
  void Remove(const std::string& file, const std::string& key);
  // An aidant record holding only the attributes given (by number).
  void PutAidant(const std::string& key, const std::map<long, std::string>& attributes);
  // Sets the counter that locks sector entry from 2 on.
  void SetCounter(const std::string& value);
  // nullptr when the record does not exist.
  std::shared_ptr<dba::DynamicArray> Get(const std::string& file, const std::string& key) const;
  // The text of one element of a stored record ("" when absent).
  std::string Element(const std::string& file, const std::string& key, long attribute,
                      long value = -1) const;

  static std::string Values(std::initializer_list<std::string> values);

  // A small service: sectors 001 "Centre-ville" (sub-sectors 00101, 00105, 00112),
  // 002 "Nord" (00201, 00205), 003 "Sud" (none), 012 "Écluse" (one sub-sector 01201
  // with one district 0120101 naming antenna 030001, whose centre 030 has that single
  // antenna); centres 010 (antennas 010001, 010002), 020 (020001, 020002), 030
  // (030001); means of transport 1 Voiture, 2 Vélo, 3 Transports en commun, 4 À pied;
  // communes 75001 (sector 001) and 75002 (none); counter 999 at 0; aidants A001
  // (complete: 001/00101/0010101, transport 2, antenna 010001, commune 75001,
  // associated 002 and 012), A002 (no sector, commune 75001) and A003 (no sector,
  // no commune).
  void LoadStandardWorld();

 private:
  std::shared_ptr<dba::DatabaseClient> client_;
  std::shared_ptr<dba::DatabaseConnection> connection_;
};
