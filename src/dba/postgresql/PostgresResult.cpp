#include "dba/postgresql/PostgresResult.h"

#include <libpq-fe.h>

namespace dba {

void PostgresResult::Clearer::operator()(pg_result* result) const {
  PQclear(result);
}

bool PostgresResult::Succeeded() const {
  const ExecStatusType status = PQresultStatus(Handle());
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

int PostgresResult::Rows() const {
  return PQntuples(Handle());
}

std::string_view PostgresResult::Field(int row, int column) const {
  return {PQgetvalue(Handle(), row, column),
          static_cast<std::size_t>(PQgetlength(Handle(), row, column))};
}

std::int64_t PostgresResult::Integer(int row, int column) const {
  // Binary integers travel in network byte order.
  std::uint64_t value = 0;
  for (const char byte : Field(row, column))
    value = (value << 8) | static_cast<unsigned char>(byte);
  return static_cast<std::int64_t>(value);
}

}  // namespace dba
