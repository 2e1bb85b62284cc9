#include "dba/RecordJson.h"

#include <nlohmann/json.hpp>

#include "basis/Error.h"
#include "dba/JsonDepth.h"
#include "dba/JsonFailure.h"
#include "dba/MarkedText.h"
#include "dba/Marks.h"
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

class LineReader {
 public:
  explicit LineReader(long lineNumber) : lineNumber_(lineNumber) {}

  [[noreturn]] void Fail(const std::string& problem) const {
    throw basis::Error(basis::kInvalidProcedureCall,
                       "Ligne " + std::to_string(lineNumber_) + " : " + problem);
  }

  const std::string& Text(const Json& line, const char* member) const {
    const auto found = line.find(member);
    if (found == line.end() || !found->is_string())
      Fail(std::string("« ") + member + " » doit être un texte.");
    return found->get_ref<const std::string&>();
  }

  // Appends a value or subvalue level: a string, or an array of parts of the level below.
  template <class Lower>
  void AppendLevel(std::string& text, const Json& json, char mark, const std::string& where,
                   Lower&& lower) const {
    if (json.is_string()) {
      text += json.get_ref<const std::string&>();
      return;
    }
    if (!json.is_array())
      Fail(where + " : un texte ou une liste est attendu.");
    bool first = true;
    for (const Json& part : json) {
      if (!first)
        text += mark;
      first = false;
      lower(part);
    }
  }

  void AppendAttribute(std::string& text, const Json& attribute, std::size_t number) const {
    const std::string where = "attribut " + std::to_string(number);
    AppendLevel(text, attribute, kValueMark, where, [&](const Json& value) {
      AppendLevel(text, value, kSubvalueMark, where, [&](const Json& subvalue) {
        if (!subvalue.is_string())
          Fail(where + " : une sous-valeur doit être un texte.");
        text += subvalue.get_ref<const std::string&>();
      });
    });
  }

  template <class Check>
  void Checked(Check&& check) const {
    try {
      check();
    } catch (const basis::Error& error) {
      Fail(error.Description());
    }
  }

 private:
  long lineNumber_;
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
  const LineReader reader(lineNumber);
  if (JsonDepth::Of(text) > JsonDepth::kLimit)
    reader.Fail(JsonFailure::TooDeep());
  Json line;
  try {
    line = Json::parse(text);
  } catch (const Json::exception& error) {
    reader.Fail(JsonFailure::Describe(error));
  }
  if (!line.is_object())
    reader.Fail("un objet {\"file\": ..., \"key\": ..., \"record\": [...]} est attendu.");
  for (const auto& member : line.items()) {
    if (member.key() != "file" && member.key() != "key" && member.key() != "record")
      reader.Fail("membre inconnu « " + member.key() + " ».");
  }
  const std::string& file = reader.Text(line, "file");
  const std::string& key = reader.Text(line, "key");
  reader.Checked([&] {
    StoreNames::CheckFileName(file);
    StoreNames::CheckKey(key);
  });
  const auto attributes = line.find("record");
  if (attributes == line.end() || !attributes->is_array())
    reader.Fail("« record » doit être une liste d'attributs.");

  std::string body;
  std::size_t number = 0;
  for (const Json& attribute : *attributes) {
    if (number++ > 0)
      body += kAttributeMark;
    reader.AppendAttribute(body, attribute, number);
  }
  return {file, DynamicArray(key, body)};
}

}  // namespace dba
