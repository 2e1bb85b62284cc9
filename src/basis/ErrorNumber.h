#pragma once

namespace basis {

// The error numbers this system meets. The record store's own numbers follow its
// not-found error in the component's range, so that hosts can tell them apart.
enum ErrorNumber : long {
  kNoError = 0,
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kTypeMismatch = 13,
  kInternalError = 51,
  kObjectNotSet = 91,
  kInvalidPropertyArrayIndex = 381,
  kRecordNotFound = -2147221493,  // 0x8004000B
  kFileNotFound = -2147221492,
  kQuerySyntax = -2147221491,
  kWriteConflict = -2147221490,
  kStorageFailure = -2147221489,
  kRecordNotBound = -2147221488,
  kDatabaseUnreachable = -2147221487,
};

}  // namespace basis
