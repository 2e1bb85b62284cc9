#include <string>
#include <string_view>
#include <vector>

#include "FuzzRequire.h"
#include "FuzzSplit.h"
#include "FuzzTargets.h"
#include "basis/Error.h"
#include "dba/DynamicArray.h"
#include "dba/Marks.h"

namespace fuzz {
namespace {

// The array as nested lists of texts, the plainest reading of the marks there is.
class PlainArray {
 public:
  explicit PlainArray(std::string_view text) : attributes_(Split(text, dba::kAttributeMark)) {
    while (!attributes_.empty() && attributes_.back().empty())
      attributes_.pop_back();
  }

  long Count() const { return static_cast<long>(attributes_.size()); }
  std::string Attribute(long a) const { return Part(attributes_, a); }
  long ValueCount(long a) const {
    const std::string attribute = Attribute(a);
    return attribute.empty() ? 0 : static_cast<long>(Split(attribute, dba::kValueMark).size());
  }
  std::string Value(long a, long v) const { return Part(Split(Attribute(a), dba::kValueMark), v); }
  std::string Subvalue(long a, long v, long s) const {
    return Part(Split(Value(a, v), dba::kSubvalueMark), s);
  }
  long SubvalueCount(long a, long v) const {
    return static_cast<long>(Split(Value(a, v), dba::kSubvalueMark).size());
  }

 private:
  static std::string Part(const std::vector<std::string>& parts, long index) {
    return index >= 1 && index <= static_cast<long>(parts.size()) ? parts[index - 1] : "";
  }

  std::vector<std::string> attributes_;
};

// Every element of the model reads the same from the array, and a little past the end.
void RequireSameElements(const dba::DynamicArray& array, const PlainArray& model) {
  Require(array.DCount() == model.Count(), "DCount() counts the attributes");
  for (long a = 1; a <= model.Count() + 1; ++a) {
    Require(array.Extract(a).Text() == model.Attribute(a), "Extract(a) reads the attribute");
    Require(array.DCount(a) == model.ValueCount(a), "DCount(a) counts the values");
    for (long v = 1; v <= model.ValueCount(a) + 1; ++v) {
      Require(array.Extract(a, v).Text() == model.Value(a, v), "Extract(a, v) reads the value");
      for (long s = 1; s <= model.SubvalueCount(a, v) + 1; ++s)
        Require(array.Extract(a, v, s).Text() == model.Subvalue(a, v, s),
                "Extract(a, v, s) reads the subvalue");
    }
  }
  Require(array.Extract(1L << 30, 1L << 30, 7).Text().empty(), "far past the end is empty");
}

bool HasMarkAtOrAbove(std::string_view text, char lowest) {
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= static_cast<unsigned char>(lowest) && byte <= 0xFE)
      return true;
  }
  return false;
}

// One replacement read from the input: three small indexes and a short text.
struct Replacement {
  long attribute, value, subvalue;
  std::string text;
};

bool NextReplacement(std::string_view& ops, Replacement& replacement) {
  if (ops.size() < 4)
    return false;
  auto index = [](char c) { return static_cast<long>(static_cast<unsigned char>(c) % 8) - 1; };
  replacement.attribute = index(ops[0]);
  replacement.value = index(ops[1]);
  replacement.subvalue = index(ops[2]);
  const std::size_t length = static_cast<unsigned char>(ops[3]) % 8;
  ops.remove_prefix(4);
  replacement.text = std::string(ops.substr(0, length));
  ops.remove_prefix(std::min(length, ops.size()));
  return true;
}

// Replacing one element sets it and leaves every other element of the array as it was.
void CheckReplacement(dba::DynamicArray& array, const Replacement& r) {
  const PlainArray before(array.Text());
  const bool wholeAttribute = r.value < 1;
  const bool wholeValue = !wholeAttribute && r.subvalue < 1;
  if (r.attribute < 1) {
    try {
      array.Replace(r.attribute, r.text);
      Require(false, "Replace refuses an attribute below 1");
    } catch (const basis::Error& error) {
      Require(error.Number() == basis::kInvalidProcedureCall, "with an invalid call");
    }
    return;
  }
  // Marks below the level replaced are parts of it; a mark of its level or above would
  // change the shape around it, which the model does not follow.
  const char levelMark = wholeAttribute ? dba::kAttributeMark
                         : wholeValue   ? dba::kValueMark
                                        : dba::kSubvalueMark;
  if (HasMarkAtOrAbove(r.text, levelMark))
    return;
  if (wholeAttribute)
    array.Replace(r.attribute, r.text);
  else if (wholeValue)
    array.Replace(r.attribute, r.value, r.text);
  else
    array.Replace(r.attribute, r.value, r.subvalue, r.text);

  const PlainArray after(array.Text());
  if (wholeAttribute)
    Require(after.Attribute(r.attribute) == r.text, "Replace(a) sets the attribute");
  else if (wholeValue)
    Require(after.Value(r.attribute, r.value) == r.text, "Replace(a, v) sets the value");
  else
    Require(after.Subvalue(r.attribute, r.value, r.subvalue) == r.text,
            "Replace(a, v, s) sets the subvalue");
  for (long a = 1; a <= before.Count(); ++a) {
    if (a != r.attribute) {
      Require(after.Attribute(a) == before.Attribute(a), "other attributes are kept");
      continue;
    }
    if (wholeAttribute)
      continue;
    for (long v = 1; v <= before.ValueCount(a); ++v) {
      if (v != r.value) {
        Require(after.Value(a, v) == before.Value(a, v), "other values are kept");
        continue;
      }
      if (wholeValue)
        continue;
      for (long s = 1; s <= before.SubvalueCount(a, v); ++s)
        if (s != r.subvalue)
          Require(after.Subvalue(a, v, s) == before.Subvalue(a, v, s), "other subvalues are kept");
    }
  }
  RequireSameElements(array, after);
}

}  // namespace

int DynamicArrayTarget(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view text = input.substr(0, split);
  std::string_view ops = split == std::string_view::npos ? "" : input.substr(split + 1);

  dba::DynamicArray array(text);
  const PlainArray model(text);
  std::string expected(text);
  while (!expected.empty() && expected.back() == dba::kAttributeMark)
    expected.pop_back();
  Require(array.Text() == expected, "Text() gives the text back without trailing empties");
  Require(dba::DynamicArray(array.Text()).Text() == array.Text(), "the text parses back");
  RequireSameElements(array, model);

  Replacement replacement;
  while (NextReplacement(ops, replacement))
    CheckReplacement(array, replacement);
  return 0;
}

}  // namespace fuzz
