#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

struct pg_result;

namespace dba {

// One result of the server, freed when it goes out of scope.
class PostgresResult {
 public:
  PostgresResult() = default;
  explicit PostgresResult(pg_result* result) : result_(result) {}

  pg_result* Handle() const { return result_.get(); }
  explicit operator bool() const { return result_ != nullptr; }

  // True for a command that completed, with or without rows.
  bool Succeeded() const;
  int Rows() const;
  // The bytes of a field as sent in binary form, valid while the result lives.
  std::string_view Field(int row, int column) const;
  // A field sent in binary form holding a 64-bit integer.
  std::int64_t Integer(int row, int column) const;

 private:
  struct Clearer {
    void operator()(pg_result* result) const;
  };
  std::unique_ptr<pg_result, Clearer> result_;
};

}  // namespace dba
