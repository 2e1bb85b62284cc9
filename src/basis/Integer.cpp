#include "basis/Integer.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "basis/Error.h"
#include "basis/Text.h"

namespace basis {
namespace {

// Reads a decimal number with optional sign and fraction, blanks around it allowed.
double ParseNumber(std::string_view text) {
  const std::string_view body = Trim(text);
  std::size_t i = 0;
  if (i < body.size() && (body[i] == '+' || body[i] == '-'))
    ++i;
  std::size_t digits = 0;
  while (i < body.size() && body[i] >= '0' && body[i] <= '9')
    ++i, ++digits;
  if (i < body.size() && body[i] == '.') {
    ++i;
    while (i < body.size() && body[i] >= '0' && body[i] <= '9')
      ++i, ++digits;
  }
  if (digits == 0 || i != body.size())
    throw Error(kTypeMismatch);
  // from_chars reads a point as the decimal separator whatever LC_NUMERIC says: a Qt host
  // sets the user's locale, whose separator may be a comma, and strtod would stop at the
  // point. It takes no sign '+' and leaves the value alone when it is out of range.
  const std::string_view number = body.front() == '+' ? body.substr(1) : body;
  double value = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), value).ec ==
      std::errc::result_out_of_range)
    return std::numeric_limits<double>::infinity();
  return value;
}

long long RoundChecked(double value, long long low, long long high) {
  if (!std::isfinite(value))
    throw Error(kOverflow);
  const double rounded = std::nearbyint(value);  // the default mode rounds half to even
  if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) {
    throw Error(kOverflow);
  }
  return static_cast<long long>(rounded);
}

}  // namespace

Integer ToInteger(double value) {
  return static_cast<Integer>(RoundChecked(value, std::numeric_limits<Integer>::min(),
                                           std::numeric_limits<Integer>::max()));
}

Integer ToInteger(long long value) {
  if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max()) {
    throw Error(kOverflow);
  }
  return static_cast<Integer>(value);
}

Integer ToInteger(std::string_view text) {
  return ToInteger(ParseNumber(text));
}

Long ToLong(double value) {
  return static_cast<Long>(
      RoundChecked(value, std::numeric_limits<Long>::min(), std::numeric_limits<Long>::max()));
}

Long ToLong(std::string_view text) {
  return ToLong(ParseNumber(text));
}

Integer Add(Integer a, Integer b) {
  return ToInteger(static_cast<long long>(a) + b);
}

std::string FormatThreeDigits(long value) {
  std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
  if (digits.size() < 3)
    digits.insert(0, 3 - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

}  // namespace basis
