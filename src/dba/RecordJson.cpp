#include "dba/RecordJson.h"

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <utility>

#include "basis/Error.h"
#include "dba/JsonDepth.h"
#include "dba/JsonFailure.h"
#include "dba/MarkedText.h"
#include "dba/Marks.h"
#include "dba/PlainJsonLine.h"
#include "dba/StoreNames.h"

namespace dba {
namespace {

using Json = nlohmann::ordered_json;

Json ValueJson(std::string_view value) {
  if (value.find(kSubvalueMark) == std::string_view::npos)
    return std::string(value);
  Json subvalues = Json::array();
  MarkedText::ForEachField(value, kSubvalueMark, [&](std::string_view subvalue) {
    subvalues.push_back(std::string(subvalue));
  });
  return subvalues;
}

// An attribute with a single value that has no subvalues is a plain string; any other is
// an array of values, even of one, so that values and subvalues never get confused.
Json AttributeJson(std::string_view attribute) {
  static constexpr char kLowerMarks[] = {kValueMark, kSubvalueMark};
  if (attribute.find_first_of(std::string_view(kLowerMarks, 2)) == std::string_view::npos)
    return std::string(attribute);
  Json values = Json::array();
  MarkedText::ForEachField(attribute, kValueMark,
                           [&](std::string_view value) { values.push_back(ValueJson(value)); });
  return values;
}

[[noreturn]] void Fail(long lineNumber, const std::string& problem) {
  throw basis::Error(basis::kInvalidProcedureCall,
                     "Ligne " + std::to_string(lineNumber) + " : " + problem);
}

void CheckNames(const std::string& file, const std::string& key, long lineNumber) {
  try {
    StoreNames::CheckFileName(file);
    StoreNames::CheckKey(key);
  } catch (const basis::Error& error) {
    Fail(lineNumber, error.Description());
  }
}

// Reads a line as the parser meets it, writing the record's text as it goes: no tree of
// the line is built. Problems of shape are noted, not raised, so that malformed JSON
// further on is still what is reported, and they are told in the order a reader of the
// whole line would check them. Its members are the parser's events.
class LineReader {
 public:
  using string_t = Json::string_t;

  // The record's parts once the whole line has been read; throws what is wrong.
  RecordJson::Line Finish(long lineNumber) {
    auto fail = [&](const std::string& problem) { Fail(lineNumber, problem); };
    if (failure_)
      fail(*failure_);
    if (!isObject_)
      fail("un objet {\"file\": ..., \"key\": ..., \"record\": [...]} est attendu.");
    if (unknownMember_)
      fail("membre inconnu « " + *unknownMember_ + " ».");
    if (!file_)
      fail("« file » doit être un texte.");
    if (!key_)
      fail("« key » doit être un texte.");
    CheckNames(*file_, *key_, lineNumber);
    if (!recordIsList_)
      fail("« record » doit être une liste d'attributs.");
    if (recordProblem_)
      fail(*recordProblem_);
    // Trailing empty attributes are no part of a record's text.
    while (!body_.empty() && body_.back() == kAttributeMark)
      body_.pop_back();
    return {std::move(*file_), std::move(*key_), std::move(body_)};
  }

  bool null() { return Other(); }
  bool boolean(bool) { return Other(); }
  bool number_integer(Json::number_integer_t) { return Other(); }
  bool number_unsigned(Json::number_unsigned_t) { return Other(); }
  bool number_float(Json::number_float_t, const string_t&) { return Other(); }
  bool binary(Json::binary_t&) { return Other(); }

  bool string(string_t& text) {
    if (skipped_ > 0 || depth_ == 0)
      return Other();
    if (depth_ == 1) {
      if (std::optional<std::string>* member = MemberText())
        *member = std::move(text);
      else
        return Other();
    } else {
      StartPart();
      body_ += text;
    }
    return true;
  }

  bool start_object(std::size_t) {
    if (skipped_ == 0 && depth_ == 0) {
      isObject_ = true;
      depth_ = 1;
      return true;
    }
    Other();
    ++skipped_;
    return true;
  }
  bool end_object() {
    if (skipped_ > 0)
      --skipped_;
    else
      depth_ = 0;
    return true;
  }
  bool key(string_t& name) {
    if (skipped_ > 0)
      return true;
    member_ = name == "file" ? kFile : name == "key" ? kKey : name == "record" ? kRecord : kOther;
    if (member_ == kOther && !unknownMember_)
      unknownMember_ = std::move(name);
    return true;
  }

  bool start_array(std::size_t) {
    if (skipped_ == 0 && depth_ == 1 && member_ == kRecord) {
      // A record given again replaces the one before.
      recordIsList_ = true;
      recordProblem_.reset();
      body_.clear();
      attribute_ = 0;
      Open();
    } else if (skipped_ == 0 && depth_ >= 2 && Level() < kSubvalue) {
      StartPart();
      Open();
    } else {
      Other();
      ++skipped_;
    }
    return true;
  }
  bool end_array() {
    if (skipped_ > 0)
      --skipped_;
    else
      --depth_;
    return true;
  }

  template <class Exception>
  bool parse_error(std::size_t, const std::string&, const Exception& error) {
    failure_ = JsonFailure::Describe(error);
    return false;
  }

 private:
  enum MemberName { kFile, kKey, kRecord, kOther };
  enum PartLevel { kAttribute, kValue, kSubvalue };
  static constexpr char kMarks[] = {kAttributeMark, kValueMark, kSubvalueMark};

  // Depth 1 is the line's object, 2 the record's list of attributes, 3 an attribute's
  // list of values, 4 a value's list of subvalues.
  int Level() const { return depth_ - 2; }
  void Open() {
    ++depth_;
    first_[static_cast<std::size_t>(Level())] = true;
  }

  std::optional<std::string>* MemberText() {
    return member_ == kFile ? &file_ : member_ == kKey ? &key_ : nullptr;
  }

  // A part of the record begins at the current level: its mark, unless it comes first.
  void StartPart() {
    const auto level = static_cast<std::size_t>(Level());
    if (level == kAttribute)
      ++attribute_;
    if (!std::exchange(first_[level], false))
      body_ += kMarks[level];
  }

  // A value of a kind its place does not take (or, at the top, anything but an object).
  bool Other() {
    if (skipped_ > 0)
      return true;
    if (depth_ == 0) {
      isObject_ = false;
    } else if (depth_ == 1) {
      if (std::optional<std::string>* member = MemberText())
        member->reset();
      else if (member_ == kRecord)
        recordIsList_ = false;
    } else {
      if (Level() == kAttribute)
        ++attribute_;
      if (!recordProblem_)
        recordProblem_ = "attribut " + std::to_string(attribute_) +
                         (Level() == kSubvalue ? " : une sous-valeur doit être un texte."
                                               : " : un texte ou une liste est attendu.");
    }
    return true;
  }

  std::optional<std::string> failure_;
  bool isObject_ = false;
  std::optional<std::string> unknownMember_;
  std::optional<std::string> file_, key_;
  bool recordIsList_ = false;
  std::optional<std::string> recordProblem_;
  std::string body_;
  MemberName member_ = kOther;
  int depth_ = 0;
  int skipped_ = 0;
  long attribute_ = 0;
  std::array<bool, 3> first_{};
};

}  // namespace

std::string RecordJson::Format(const std::string& file, const std::string& key,
                               std::string_view text) {
  Json line = Json::object();
  line["file"] = file;
  line["key"] = key;
  Json& record = line["record"] = Json::array();
  if (!text.empty())
    MarkedText::ForEachField(text, kAttributeMark, [&](std::string_view attribute) {
      record.push_back(AttributeJson(attribute));
    });
  try {
    return line.dump();
  } catch (const Json::type_error&) {
    throw basis::Error(basis::kInvalidProcedureCall,
                       "L'enregistrement " + key + " du fichier " + file +
                           " contient un texte qui n'est pas en UTF-8 : il ne peut pas être "
                           "écrit en JSON.");
  }
}

RecordJson::Line RecordJson::Parse(std::string_view text, long lineNumber) {
  if (std::optional<PlainJsonLine::Parts> plain = PlainJsonLine::Read(text)) {
    CheckNames(plain->file, plain->key, lineNumber);
    return {std::move(plain->file), std::move(plain->key), std::move(plain->body)};
  }
  if (JsonDepth::Of(text) > JsonDepth::kLimit)
    Fail(lineNumber, JsonFailure::TooDeep());
  LineReader reader;
  Json::sax_parse(text.begin(), text.end(), &reader);
  return reader.Finish(lineNumber);
}

}  // namespace dba
