#include "dba/DynamicArray.h"

#include <algorithm>

#include "basis/Error.h"
#include "dba/MarkedText.h"
#include "dba/Marks.h"
#include "dba/PackedText.h"
#include "dba/RecordBinding.h"

namespace dba {
namespace {

[[noreturn]] void RaiseInvalidCall(const std::string& detail) {
  throw basis::Error(
      basis::kInvalidProcedureCall,
      basis::Error::StandardDescription(basis::kInvalidProcedureCall) + " : " + detail);
}

void CheckIndexes(long attribute, long value, long subvalue, long lowestAttribute) {
  if (attribute < lowestAttribute)
    RaiseInvalidCall("numéro d'attribut " + std::to_string(attribute));
  if (value < -1 || subvalue < -1)
    RaiseInvalidCall("numéro de valeur ou de sous-valeur négatif");
}

// Replacing an element with a text that holds a mark of its own level or above would
// silently reshape the record around it; it is refused instead.
void CheckNoMarkAbove(std::string_view x, std::string_view forbidden) {
  if (x.find_first_of(forbidden) != std::string_view::npos)
    RaiseInvalidCall("le texte contient un séparateur de niveau supérieur à l'élément remplacé");
}

template <class Parts>
void ExtendTo(Parts& parts, long count) {
  if (static_cast<long>(parts.size()) < count)
    parts.resize(static_cast<std::size_t>(count));
}

// An element whose only part is empty has the empty text, like an element with no part.
template <class Parts>
void Canonicalize(Parts& parts) {
  if (parts.size() == 1 && parts.front().empty())
    parts.clear();
}

}  // namespace

DynamicArray::DynamicArray(std::string_view text) {
  Parse(text);
}

DynamicArray::DynamicArray(std::string key, std::string_view text) : key_(std::move(key)) {
  Parse(text);
}

DynamicArray::DynamicArray(PackedText&& packed)
    : packed_(std::make_shared<const PackedText>(std::move(packed))) {}

const DynamicArray::Attributes& DynamicArray::Parts() const {
  static const Attributes kNone;
  return attributes_ ? *attributes_ : kNone;
}

DynamicArray::Attributes& DynamicArray::MutableParts() {
  if (packed_) {
    auto parts = std::make_shared<Attributes>();
    parts->reserve(packed_->Count());
    for (std::size_t a = 0; a < packed_->Count(); ++a)
      parts->push_back(ParseAttribute(packed_->Attribute(a)));
    attributes_ = std::move(parts);
    packed_.reset();
  } else if (!attributes_) {
    attributes_ = std::make_shared<Attributes>();
  } else if (attributes_.use_count() > 1) {
    attributes_ = std::make_shared<Attributes>(*attributes_);
  }
  return *attributes_;
}

DynamicArray::Value DynamicArray::ParseValue(std::string_view text) {
  Value value;
  if (!text.empty())
    MarkedText::ForEachField(text, kSubvalueMark,
                             [&](std::string_view subvalue) { value.emplace_back(subvalue); });
  return value;
}

DynamicArray::Attribute DynamicArray::ParseAttribute(std::string_view text) {
  Attribute attribute;
  if (!text.empty())
    MarkedText::ForEachField(
        text, kValueMark, [&](std::string_view value) { attribute.push_back(ParseValue(value)); });
  return attribute;
}

void DynamicArray::Parse(std::string_view text) {
  packed_ = std::make_shared<const PackedText>(text);
  attributes_.reset();
}

void DynamicArray::DropTrailingEmptyAttributes() {
  if (Parts().empty() || !Parts().back().empty())
    return;
  Attributes& parts = MutableParts();
  while (!parts.empty() && parts.back().empty())
    parts.pop_back();
}

void DynamicArray::AppendValue(std::string& text, const Value& value) {
  for (std::size_t s = 0; s < value.size(); ++s) {
    if (s > 0)
      text += kSubvalueMark;
    text += value[s];
  }
}

void DynamicArray::AppendAttribute(std::string& text, const Attribute& attribute) {
  for (std::size_t v = 0; v < attribute.size(); ++v) {
    if (v > 0)
      text += kValueMark;
    AppendValue(text, attribute[v]);
  }
}

std::string DynamicArray::ValueText(const Value& value) {
  if (value.size() == 1)
    return value.front();
  std::string text;
  AppendValue(text, value);
  return text;
}

std::string DynamicArray::AttributeText(const Attribute& attribute) {
  if (attribute.size() == 1)
    return ValueText(attribute.front());
  std::string text;
  AppendAttribute(text, attribute);
  return text;
}

basis::Variant DynamicArray::Extract(long attribute, long value, long subvalue) const {
  CheckIndexes(attribute, value, subvalue, 0);
  if (attribute == 0)
    return (value <= 1 && subvalue <= 1) ? key_ : std::string();
  if (packed_)
    return std::string(PackedElement(attribute, value, subvalue));
  const Attributes& parts = Parts();
  if (attribute > static_cast<long>(parts.size()))
    return std::string();
  const Attribute& values = parts[static_cast<std::size_t>(attribute - 1)];
  if (value <= 0)
    return AttributeText(values);
  if (value > static_cast<long>(values.size()))
    return std::string();
  const Value& subvalues = values[static_cast<std::size_t>(value - 1)];
  if (subvalue <= 0)
    return ValueText(subvalues);
  if (subvalue > static_cast<long>(subvalues.size()))
    return std::string();
  return subvalues[static_cast<std::size_t>(subvalue - 1)];
}

// In the packed text an element with an empty text holds no parts, as in the split form:
// its value or subvalue 1 is the empty text too.
std::string_view DynamicArray::PackedElement(long attribute, long value, long subvalue) const {
  if (attribute > static_cast<long>(packed_->Count()))
    return {};
  std::string_view text = packed_->Attribute(static_cast<std::size_t>(attribute - 1));
  if (value > 0) {
    text = MarkedText::Field(text, kValueMark, value);
    if (subvalue > 0)
      text = MarkedText::Field(text, kSubvalueMark, subvalue);
  }
  return text;
}

std::string_view DynamicArray::ExtractView(long attribute, long value, std::string& scratch) const {
  CheckIndexes(attribute, value, -1, 0);
  if (attribute == 0)
    return value <= 1 ? std::string_view(key_) : std::string_view();
  if (packed_)
    return PackedElement(attribute, value, 0);
  const Attributes& parts = Parts();
  if (attribute > static_cast<long>(parts.size()))
    return {};
  const Attribute& values = parts[static_cast<std::size_t>(attribute - 1)];
  if (value > static_cast<long>(values.size()))
    return {};
  const bool wholeAttribute = value <= 0;
  if (wholeAttribute && values.size() != 1) {
    scratch.clear();
    AppendAttribute(scratch, values);
    return scratch;
  }
  const Value& subvalues = values[wholeAttribute ? 0 : static_cast<std::size_t>(value - 1)];
  if (subvalues.size() == 1)
    return subvalues.front();
  scratch.clear();
  AppendValue(scratch, subvalues);
  return scratch;
}

void DynamicArray::Replace(long attribute, std::string_view x) {
  Replace(attribute, -1, -1, x);
}

void DynamicArray::Replace(long attribute, long value, std::string_view x) {
  Replace(attribute, value, -1, x);
}

void DynamicArray::Replace(long attribute, basis::Integer x) {
  Replace(attribute, -1, -1, std::to_string(x));
}

void DynamicArray::Replace(long attribute, long value, long subvalue, std::string_view x) {
  CheckIndexes(attribute, value, subvalue, 1);
  static constexpr char kMarksFromTop[] = {kAttributeMark, kValueMark, kSubvalueMark};
  const std::size_t level = value <= 0 ? 1 : subvalue <= 0 ? 2 : 3;
  CheckNoMarkAbove(x, std::string_view(kMarksFromTop, level));

  Attributes& parts = MutableParts();
  ExtendTo(parts, attribute);
  Attribute& values = parts[static_cast<std::size_t>(attribute - 1)];
  if (level == 1) {
    values = ParseAttribute(x);
  } else {
    ExtendTo(values, value);
    Value& subvalues = values[static_cast<std::size_t>(value - 1)];
    if (level == 2) {
      subvalues = ParseValue(x);
    } else {
      ExtendTo(subvalues, subvalue);
      subvalues[static_cast<std::size_t>(subvalue - 1)] = x;
      Canonicalize(subvalues);
    }
    Canonicalize(values);
  }
  DropTrailingEmptyAttributes();
}

long DynamicArray::DCount() const {
  return static_cast<long>(packed_ ? packed_->Count() : Parts().size());
}

long DynamicArray::DCount(long attribute) const {
  if (packed_) {
    if (attribute < 1 || attribute > static_cast<long>(packed_->Count()))
      return 0;
    const std::string_view text = packed_->Attribute(static_cast<std::size_t>(attribute - 1));
    return text.empty() ? 0
                        : static_cast<long>(std::count(text.begin(), text.end(), kValueMark)) + 1;
  }
  const Attributes& parts = Parts();
  if (attribute < 1 || attribute > static_cast<long>(parts.size()))
    return 0;
  return static_cast<long>(parts[static_cast<std::size_t>(attribute - 1)].size());
}

std::string DynamicArray::Text() const {
  if (packed_)
    return packed_->Text();
  const Attributes& parts = Parts();
  std::string text;
  for (std::size_t a = 0; a < parts.size(); ++a) {
    if (a > 0)
      text += kAttributeMark;
    AppendAttribute(text, parts[a]);
  }
  return text;
}

void DynamicArray::DBWrite() {
  if (!binding_) {
    throw basis::Error(basis::kRecordNotBound,
                       "Cet enregistrement n'a pas été lu dans un fichier : il ne peut pas être "
                       "écrit par DBWrite.");
  }
  const std::string mine = Text();
  const std::string written = binding_->Write(mine);
  if (written != mine)
    Parse(written);
  binding_ = binding_->Remembering(written);
}

void DynamicArray::Bind(std::shared_ptr<RecordBinding> binding) {
  binding_ = std::move(binding);
}

}  // namespace dba
