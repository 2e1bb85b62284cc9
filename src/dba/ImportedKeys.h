#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace dba {

// The records an import has given, to find one given twice without keeping their keys:
// twelve bytes a record (a 64-bit fingerprint of file and key, and the line), so a
// million records take some twelve megabytes. Two different records sharing a
// fingerprint, one chance in about 10^7 for a hundred million records, would be taken
// for one given twice.
class ImportedKeys {
 public:
  struct Repeat {
    long line;   // the line that gives the record again
    long first;  // the line that gave it first
    std::uint64_t fingerprint;
  };

  void Add(std::string_view file, std::string_view key, long line);
  // Whether file and key are those of the fingerprint (or one sharing it).
  bool Matches(std::string_view file, std::string_view key, std::uint64_t fingerprint);
  // The first line, in line order, that gives again a record given on an earlier line.
  std::optional<Repeat> FirstRepeat();

 private:
  // Three 32-bit words, so that no padding is paid; held in blocks, so that growing
  // never copies or doubles what is held.
  struct Entry {
    std::uint32_t high, low, line;

    std::uint64_t Fingerprint() const { return (std::uint64_t{high} << 32) | low; }
  };
  static_assert(sizeof(Entry) == 12);

  std::uint64_t Fingerprint(std::string_view file, std::string_view key);

  std::deque<Entry> entries_;
  std::string scratch_;
};

}  // namespace dba
