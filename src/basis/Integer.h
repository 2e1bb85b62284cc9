#pragma once

#include "basis/Export.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace basis {

// The language-level numeric types of the control: 16-bit integers, 32-bit longs
// and 16-bit Booleans where True is -1.
using Integer = std::int16_t;
using Long = std::int32_t;
using Boolean = std::int16_t;

inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

constexpr Boolean ToBoolean(bool value) {
  return value ? True : False;
}

// Checked conversions: text that is empty or not a number is a type mismatch,
// a value outside the target's range an overflow. Fractions round half to even.
DELVARO_EXPORT Integer ToInteger(std::string_view text);
DELVARO_EXPORT Integer ToInteger(double value);
DELVARO_EXPORT Integer ToInteger(long long value);
DELVARO_EXPORT Long ToLong(std::string_view text);
DELVARO_EXPORT Long ToLong(double value);

// Checked 16-bit arithmetic for counters: i = i + 1 past 32767 overflows.
DELVARO_EXPORT Integer Add(Integer a, Integer b);

// The "000" number format: at least three digits, zero-padded on the left.
DELVARO_EXPORT std::string FormatThreeDigits(long value);

}  // namespace basis
