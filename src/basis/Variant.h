#pragma once

#include "basis/Export.h"

#include <string>
#include <variant>

#include "basis/Integer.h"

namespace basis {

// A value that holds nothing, a text or a number. Element reads of the record store
// give texts; the caller converts them.
class DELVARO_EXPORT Variant {
 public:
  Variant() = default;
  Variant(std::string text) : value_(std::move(text)) {}
  Variant(const char* text) : value_(std::string(text)) {}
  Variant(double number) : value_(number) {}
  Variant(long number) : value_(static_cast<double>(number)) {}
  Variant(int number) : value_(static_cast<double>(number)) {}

  bool IsEmpty() const { return std::holds_alternative<std::monostate>(value_); }
  bool IsText() const { return std::holds_alternative<std::string>(value_); }
  bool IsNumber() const { return std::holds_alternative<double>(value_); }

  // Empty reads as "", a whole number without a decimal point. A temporary hands its
  // text over instead of copying it, so reading an element costs one copy, not two.
  std::string Text() const&;
  std::string Text() &&;
  // Empty converts to 0; a text converts as ToInteger / ToLong do.
  Integer ToInteger() const;
  Long ToLong() const;

  bool operator==(const Variant& other) const = default;

 private:
  std::variant<std::monostate, std::string, double> value_;
};

}  // namespace basis
