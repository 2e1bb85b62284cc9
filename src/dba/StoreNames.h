#pragma once

#include <string>

namespace dba {

class Storage;

// The rules for the names of files and the keys of records.
class StoreNames {
 public:
  // A file name is one word of a query statement: not empty, no blank, control
  // character, quote or mark. Otherwise an invalid call (5) naming it.
  static void CheckFileName(const std::string& name);
  // A key is not empty and holds no mark, since it becomes a value of result rows.
  static void CheckKey(const std::string& key);
  // An unknown file raises kFileNotFound naming it.
  static void RequireFile(Storage& storage, const std::string& name);
};

}  // namespace dba
