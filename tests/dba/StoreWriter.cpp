// A writer for the multi-process tests: saves one attribute of one CIVILAIDANT record
// again and again, each save a read then a DBWrite, as the screen does.
//
//   store_writer DATABASE AIDANT ATTRIBUTE COUNT LABEL
//
// Save i writes "LABEL-i"; COUNT 0 saves until the process is killed. Status 0 when every
// save went through, 1 with the error on standard error otherwise.
#include <iostream>
#include <string>

#include "basis/Error.h"
#include "dba/DatabaseClient.h"

int main(int argc, char** argv) {
  if (argc != 6) {
    std::cerr << "usage: store_writer DATABASE AIDANT ATTRIBUTE COUNT LABEL\n";
    return 2;
  }
  const std::string aidant = argv[2];
  const long attribute = std::stol(argv[3]);
  const long count = std::stol(argv[4]);
  const std::string label = argv[5];
  try {
    auto file =
        dba::DatabaseClient().Connect(std::string("sqlite:") + argv[1])->OpenFile("CIVILAIDANT");
    for (long i = 1; count == 0 || i <= count; ++i) {
      auto record = file->ReadRecord(aidant);
      record->Replace(attribute, label + "-" + std::to_string(i));
      record->DBWrite();
    }
  } catch (const basis::Error& error) {
    std::cerr << "store_writer " << label << ": " << error.Description() << '\n';
    return 1;
  }
  return 0;
}
