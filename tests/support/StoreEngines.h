#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Each engine behind the record store, for the tests that every engine must pass.
struct StoreEngine {
  std::string name;
  // The address of a new, empty store of this engine, which lasts as long as the process.
  std::function<std::string()> newStore;
};

inline void PrintTo(const StoreEngine& engine, std::ostream* out) {
  *out << engine.name;
}

// SQLite (a file in a temporary folder) and PostgreSQL (a database of the shared test
// server).
std::vector<StoreEngine> StoreEngines();

// Names parameterised tests after the engine.
struct StoreEngineName {
  std::string operator()(const auto& info) const { return info.param.name; }
};
