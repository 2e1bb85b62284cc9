#pragma once

namespace dba {

// The marks of a dynamic array's text. These bytes never occur in UTF-8, so
// labels stay UTF-8 inside a record.
inline constexpr char kAttributeMark = '\xFE';
inline constexpr char kValueMark = '\xFD';
inline constexpr char kSubvalueMark = '\xFC';

}  // namespace dba
