#include "basis/Variant.h"

#include <cmath>
#include <sstream>
#include <utility>

namespace basis {

std::string Variant::Text() && {
  if (auto* text = std::get_if<std::string>(&value_))
    return std::move(*text);
  return std::as_const(*this).Text();
}

std::string Variant::Text() const& {
  if (const auto* text = std::get_if<std::string>(&value_))
    return *text;
  if (const auto* number = std::get_if<double>(&value_)) {
    if (std::floor(*number) == *number && std::fabs(*number) < 1e15) {
      return std::to_string(static_cast<long long>(*number));
    }
    std::ostringstream out;
    out << *number;
    return out.str();
  }
  return "";
}

Integer Variant::ToInteger() const {
  if (const auto* text = std::get_if<std::string>(&value_))
    return basis::ToInteger(*text);
  if (const auto* number = std::get_if<double>(&value_))
    return basis::ToInteger(*number);
  return 0;
}

Long Variant::ToLong() const {
  if (const auto* text = std::get_if<std::string>(&value_))
    return basis::ToLong(*text);
  if (const auto* number = std::get_if<double>(&value_))
    return basis::ToLong(*number);
  return 0;
}

}  // namespace basis
