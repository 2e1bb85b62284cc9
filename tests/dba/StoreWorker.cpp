// A workstation in a process of its own, for the tests of several workstations on one
// store:
//   delvaro-store-worker ADDRESS edit KEY ATTRIBUTE VALUE
//     reads the aidant, says "read", waits for a line, then changes one attribute and
//     saves: says "saved", or "refused NUMBER" when the store refuses.
//   delvaro-store-worker ADDRESS saves INDEX COUNT
//     COUNT times (0: until killed): sets attribute 1 of its own aidant W<INDEX> and
//     attribute INDEX of the aidant every worker shares to the round's number, each by a
//     read and a save.
#include <iostream>
#include <string>

#include "basis/Error.h"
#include "dba/DatabaseClient.h"

namespace {

constexpr const char* kFile = "CIVILAIDANT";

void Save(dba::DatabaseFile& file, const std::string& key, long attribute,
          const std::string& value) {
  auto record = file.ReadRecord(key);
  record->Replace(attribute, value);
  record->DBWrite();
}

int Edit(dba::DatabaseFile& file, char** arguments) {
  auto record = file.ReadRecord(arguments[0]);
  std::cout << "read" << std::endl;
  std::string go;
  std::getline(std::cin, go);
  record->Replace(std::stol(arguments[1]), arguments[2]);
  try {
    record->DBWrite();
    std::cout << "saved" << std::endl;
  } catch (const basis::Error& error) {
    std::cout << "refused " << error.Number() << std::endl;
  }
  return 0;
}

int Saves(dba::DatabaseFile& file, char** arguments) {
  const long index = std::stol(arguments[0]);
  const long rounds = std::stol(arguments[1]);
  for (long round = 1; rounds == 0 || round <= rounds; ++round) {
    Save(file, "W" + std::to_string(index), 1, std::to_string(round));
    Save(file, "SHARED", index, std::to_string(round));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3)
    return 2;
  const std::string command = argv[2];
  try {
    auto file = dba::DatabaseClient().Connect(argv[1])->OpenFile(kFile);
    if (command == "edit" && argc == 6)
      return Edit(*file, argv + 3);
    if (command == "saves" && argc == 5)
      return Saves(*file, argv + 3);
  } catch (const basis::Error& error) {
    std::cerr << error.Number() << " " << error.what() << std::endl;
    return 1;
  }
  return 2;
}
