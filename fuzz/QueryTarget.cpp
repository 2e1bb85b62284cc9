#include <memory>
#include <string>

#include "FuzzRequire.h"
#include "FuzzTargets.h"
#include "basis/Error.h"
#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"

namespace fuzz {
namespace {

// Keys that share prefixes, labels that French collation orders differently from bytes,
// multivalued and empty attributes.
constexpr const char* kRecords =
    R"({"file":"SECTEUR","key":"001","record":["Centre-ville","",["002","012"]]}
{"file":"SECTEUR","key":"002","record":["Nord"]}
{"file":"SECTEUR","key":"012","record":["Écluse",["a",["b","c"]]]}
{"file":"SECTEUR","key":"1","record":["école"]}
{"file":"SOUSSECTEUR","key":"00101","record":["Gare"]}
{"file":"SOUSSECTEUR","key":"00105","record":["Église"]}
{"file":"SOUSSECTEUR","key":"01201","record":["eglise"]}
{"file":"VIDE","key":"x","record":[]}
)";

dba::DatabaseConnection& Store() {
  static const std::shared_ptr<dba::DatabaseConnection> connection = [] {
    auto made = dba::DatabaseClient().Connect("sqlite::memory:");
    dba::JsonLines::Load(*made, kRecords);
    return made;
  }();
  return *connection;
}

}  // namespace

int QueryTarget(const std::uint8_t* data, std::size_t size) {
  const std::string request(reinterpret_cast<const char*>(data), size);
  long unused = 0;
  std::string first;
  try {
    first = Store().ExecuteQuery(request, std::string(), unused)->Text();
  } catch (const basis::Error&) {
    // A malformed request is the caller's error, told as the store's; anything else
    // escaping is a fault the fuzzer reports.
    return 0;
  }
  Require(Store().ExecuteQuery(request, std::string(), unused)->Text() == first,
          "the same request on the same data gives the same result");
  return 0;
}

}  // namespace fuzz
