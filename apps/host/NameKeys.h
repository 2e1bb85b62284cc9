#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dba/InternedTexts.h"

namespace host {

// Distinct names, each with its sort key, numbered from 0 in the order they were first
// added: a list of a hundred thousand aidants, many sharing a name, collates each name
// once. The names are the store's numbered texts; their keys lie end to end in one
// buffer. One thread at a time.
class NameKeys {
 public:
  // Room for names names of bytes bytes in all without growing.
  void Reserve(std::size_t names, std::size_t bytes) { names_.Reserve(names, bytes); }
  // The number of name, or nullopt when it was never added.
  std::optional<std::uint32_t> Find(std::string_view name) const { return names_.Find(name); }
  // The number of name; a name not met before is added, and appendKey(std::string&)
  // appends its sort key to the string it is given.
  template <class AppendKey>
  std::uint32_t Number(std::string_view name, AppendKey appendKey) {
    const std::size_t count = names_.Count();
    const std::uint32_t number = names_.Intern(name);
    if (number == count) {
      appendKey(keys_);
      keyEnds_.push_back(keys_.size());
    }
    return number;
  }

  std::size_t Count() const { return names_.Count(); }
  std::string_view Key(std::uint32_t number) const {
    return std::string_view(keys_).substr(keyEnds_[number],
                                          keyEnds_[number + 1] - keyEnds_[number]);
  }

 private:
  dba::InternedTexts names_;
  std::string keys_;
  // Where each key starts in keys_; one more entry, its end, than there are names.
  std::vector<std::size_t> keyEnds_{0};
};

}  // namespace host
