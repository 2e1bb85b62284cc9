#include <sstream>
#include <string>

#include "FuzzRequire.h"
#include "FuzzTargets.h"
#include "basis/Error.h"
#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"

namespace fuzz {
namespace {

std::string Export(dba::DatabaseConnection& connection) {
  std::ostringstream out;
  dba::JsonLines::Export(connection, {}, out);
  return out.str();
}

}  // namespace

int JsonLinesTarget(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  dba::DatabaseClient client;
  auto first = client.Connect("sqlite::memory:");
  long loaded = 0;
  try {
    loaded = dba::JsonLines::Load(*first, text);
  } catch (const basis::Error&) {
    Require(first->ListFiles().empty(), "a refused load leaves nothing behind");
    return 0;
  }
  // What was imported is UTF-8 JSON, so it can always be written back: an error here
  // escapes, and the fuzzer reports it.
  const std::string exported = Export(*first);
  auto second = client.Connect("sqlite::memory:");
  Require(dba::JsonLines::Load(*second, exported) == loaded, "the export loads as many records");
  Require(Export(*second) == exported, "export, import, export gives the same bytes");
  return 0;
}

}  // namespace fuzz
