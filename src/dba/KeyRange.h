#pragma once

#include <optional>
#include <string>

namespace dba {

// A half-open range of keys [from, to), unbounded above when to is absent.
struct KeyRange {
  std::string from;
  std::optional<std::string> to;

  static KeyRange All() { return {}; }

  // The keys that begin with prefix: the upper bound is the smallest text above every
  // such key, so the range can be answered from the key index alone.
  static KeyRange StartingWith(std::string prefix) {
    KeyRange range{prefix, std::nullopt};
    while (!prefix.empty()) {
      const auto last = static_cast<unsigned char>(prefix.back());
      if (last < 0xFF) {
        prefix.back() = static_cast<char>(last + 1);
        range.to = std::move(prefix);
        break;
      }
      prefix.pop_back();
    }
    return range;
  }
};

}  // namespace dba
