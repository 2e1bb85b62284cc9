#include "common/DemoData.h"

#include "dba/JsonLines.h"

namespace appsupport {

long DemoData::Load(dba::DatabaseConnection& connection) {
  return dba::JsonLines::Load(connection, Text());
}

}  // namespace appsupport
