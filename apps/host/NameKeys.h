#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// Distinct names, each with its sort key, numbered from 0 in the order they were first
// added: a list of a hundred thousand aidants, many sharing a name, collates each name
// once. Names and keys lie end to end in one buffer; finding a name hashes it once and
// reads one slot or a few. Any thread, one at a time.
class NameKeys {
 public:
  // Room for expected names without growing.
  explicit NameKeys(std::size_t expected = 0);

  // The hash Find and Add take, the same for the same name in every NameKeys.
  static std::size_t HashOf(std::string_view name);

  // The number of name (whose HashOf is hash), or -1 when it was never added.
  std::int64_t Find(std::string_view name, std::size_t hash) const;
  // Adds a name Find does not know and returns its number; appendKey(std::string&)
  // appends its sort key to the string it is given.
  template <class AppendKey>
  std::uint32_t Add(std::string_view name, std::size_t hash, AppendKey appendKey) {
    const std::size_t at = texts_.size();
    texts_.append(name);
    appendKey(texts_);
    return Keep({at, static_cast<std::uint32_t>(name.size()),
                 static_cast<std::uint32_t>(texts_.size() - at - name.size()), hash});
  }

  std::size_t Count() const { return names_.size(); }
  std::string_view Key(std::uint32_t number) const {
    const Name& name = names_[number];
    return std::string_view(texts_.data() + name.at + name.nameLength, name.keyLength);
  }

 private:
  struct Name {
    std::size_t at;  // the name, then its key
    std::uint32_t nameLength;
    std::uint32_t keyLength;
    std::size_t hash;
  };
  // The high half of the name's hash beside its number, so that most names that only
  // share a slot are told apart without reading them.
  struct Slot {
    std::uint32_t number;  // the name's number + 1, or 0 for a free slot
    std::uint32_t tag;
  };

  std::uint32_t Keep(const Name& name);
  void Grow();
  std::size_t FreeSlot(std::size_t hash) const;

  std::string texts_;
  std::vector<Name> names_;
  std::vector<Slot> slots_;
};

}  // namespace host
