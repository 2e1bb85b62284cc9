#pragma once

#include "basis/Export.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Integer.h"
#include "basis/Variant.h"

namespace dba {

class PackedText;
class RecordBinding;

// A record, a query request or a query result. It is kept parsed, so reading
// element i is constant time: the control's search loops read row after row.
//
// Addressing: attribute, value and subvalue from 1; attribute 0 is the record's key;
// an index of -1 (or 0 for a value or subvalue) means the whole attribute or value.
// Reading past the end gives the empty text. Trailing empty attributes are not part of
// the text form, so two records that hold the same elements have the same text.
//
// Copies share their elements until one of them changes (copy on write), so handing out
// a copy of a large result costs almost nothing. A copy may not be used from another
// thread than the one that uses the original. An array read from a text, or built
// whole, stays that one text until it is first changed: reading it splits nothing.
class DELVARO_EXPORT DynamicArray {
 public:
  DynamicArray() = default;
  // Parses a text made with the marks of Marks.h.
  explicit DynamicArray(std::string_view text);
  DynamicArray(std::string key, std::string_view text);

  // The array whose text is packed's: what Replace(i + 1, attribute) done attribute after
  // attribute would give, without reshaping the array each time.
  explicit DynamicArray(PackedText&& packed);

  basis::Variant Extract(long attribute, long value = -1, long subvalue = -1) const;
  // The text Extract(attribute, value) gives, without a copy when the array holds it in
  // one piece: a view into the array, or into scratch when it had to be put together
  // from several parts. The view is valid until the array or scratch next changes. Wrong
  // indexes fail as Extract's do. For loops that read row after row of a large result.
  std::string_view ExtractView(long attribute, long value, std::string& scratch) const;

  // Sets an element, extending the array with empty elements as needed. Assigning a
  // whole attribute or value parses the marks inside x. Replace(a, "") leaves the
  // attribute empty, with no values. An attribute below 1 is an invalid call (5).
  void Replace(long attribute, std::string_view x);
  void Replace(long attribute, long value, std::string_view x);
  void Replace(long attribute, long value, long subvalue, std::string_view x);
  // A 16-bit integer is stored as its decimal text.
  void Replace(long attribute, basis::Integer x);

  // The number of attributes (0 for an empty array), or of values of one attribute
  // (0 when it is empty).
  long DCount() const;
  long DCount(long attribute) const;

  // The whole text, without the key.
  std::string Text() const;
  const std::string& Key() const { return key_; }

  // Writes the record back under the file and key it was read from, losing nobody's
  // work: attributes that only another writer changed since the read are kept, those
  // only this record changed are written, and a clash on the same attribute, or a
  // record deleted meanwhile, is refused (kWriteConflict) with nothing written.
  // Afterwards the array holds, and remembers as read, what was written.
  void DBWrite();

  // Used by the record store when it hands out a record it read.
  void Bind(std::shared_ptr<RecordBinding> binding);

 private:
  using Value = std::vector<std::string>;  // subvalues
  using Attribute = std::vector<Value>;    // values

  // Text and structure correspond one to one: an element whose text is empty holds no
  // parts, and trailing empty attributes are dropped.
  static Value ParseValue(std::string_view text);
  static Attribute ParseAttribute(std::string_view text);
  static void AppendValue(std::string& text, const Value& value);
  static void AppendAttribute(std::string& text, const Attribute& attribute);
  static std::string ValueText(const Value& value);
  static std::string AttributeText(const Attribute& attribute);
  using Attributes = std::vector<Attribute>;

  void Parse(std::string_view text);
  void DropTrailingEmptyAttributes();
  // Element (attribute ≥ 1, value, subvalue) of the packed text, as a view of it.
  std::string_view PackedElement(long attribute, long value, long subvalue) const;
  const Attributes& Parts() const;
  // The elements, split out of the packed text or unshared first when a copy still shares
  // them.
  Attributes& MutableParts();

  std::string key_;
  // At most one of the two holds the elements; both are null for an empty array. Each is
  // shared between copies until one of them changes.
  std::shared_ptr<const PackedText> packed_;
  std::shared_ptr<Attributes> attributes_;
  std::shared_ptr<RecordBinding> binding_;
};

}  // namespace dba
