#include "replay/ScriptParser.h"

#include <charconv>
#include <limits>
#include <sstream>

#include <nlohmann/json.hpp>

#include "basis/Error.h"
#include "dba/JsonDepth.h"
#include "dba/JsonFailure.h"
#include "dba/RecordJson.h"
#include "replay/ScriptError.h"
#include "replay/ScriptWords.h"
#include "replay/WidgetProperty.h"

namespace scenario {

namespace {

struct VerbSyntax {
  std::string_view word;
  Verb verb;
  std::size_t minArguments;
  std::size_t maxArguments;
  std::string_view usage;
};

constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

constexpr VerbSyntax kVerbs[] = {
    {"record", Verb::Record, 2, 2, "record FILE KEY JSON"},
    {"level", Verb::Level, 1, 1, "level N"},
    {"open", Verb::Open, 1, 1, "open CODE"},
    {"answer", Verb::Answer, 1, 1, "answer N"},
    {"close", Verb::Close, 0, 0, "close"},
    {"type", Verb::Type, 2, 2, "type WIDGET TEXT"},
    {"edit", Verb::Edit, 2, 2, "edit WIDGET TEXT"},
    {"key", Verb::Key, 2, 2, "key WIDGET CODE"},
    {"leave", Verb::Leave, 1, 1, "leave WIDGET"},
    {"pick", Verb::Pick, 2, 2, "pick WIDGET INDEX|TEXT"},
    {"select", Verb::Select, 1, kAny, "select LIST INDEX..."},
    {"dblclick", Verb::DblClick, 1, 1, "dblclick LIST"},
    {"click", Verb::Click, 1, 1, "click BUTTON"},
    {"menu", Verb::Menu, 1, 1, "menu ITEM"},
    {"rightclick", Verb::RightClick, 0, 1, "rightclick [BUTTON]"},
    {"tab", Verb::Tab, 1, 1, "tab N"},
    {"expect", Verb::ExpectProperty, 1, kAny, "expect WIDGET.PROPERTY VALUE"},
};

// The answers a message box can give: OK, Cancel, Abort, Retry, Ignore, Yes, No.
constexpr long kFirstAnswer = 1;
constexpr long kLastAnswer = 7;

class LineParser {
 public:
  LineParser(int line, std::string_view text, std::vector<ScriptWord> words)
      : text_(text), words_(std::move(words)) {
    command_.line = line;
  }

  ScriptCommand Parse() {
    const VerbSyntax* syntax = FindVerb(words_[0].text);
    if (!syntax)
      Fail("commande inconnue : " + words_[0].text);
    const std::size_t arguments = words_.size() - 1;
    if (arguments < syntax->minArguments || arguments > syntax->maxArguments)
      Fail("usage : " + std::string(syntax->usage));
    command_.verb = syntax->verb;
    switch (syntax->verb) {
      case Verb::Record:
        ParseRecord();
        break;
      case Verb::Level:
        command_.number = Number(1, "niveau", std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
        break;
      case Verb::Open:
        command_.widget = words_[1].text;
        break;
      case Verb::Answer:
        command_.number = Number(1, "réponse", kFirstAnswer, kLastAnswer);
        break;
      case Verb::Type:
      case Verb::Edit:
        command_.widget = words_[1].text;
        command_.text = words_[2].text;
        break;
      case Verb::Key:
        command_.widget = words_[1].text;
        command_.number = Number(2, "code de touche", 0, 255);
        break;
      case Verb::Pick:
        ParsePick();
        break;
      case Verb::Select:
        command_.widget = words_[1].text;
        for (std::size_t i = 2; i < words_.size(); ++i)
          command_.indexes.push_back(static_cast<int>(Number(i, "index", 0, kMaxIndex)));
        break;
      case Verb::RightClick:
        command_.number = arguments == 0 ? 2 : Number(1, "bouton", 0, 7);
        break;
      case Verb::Tab:
        command_.number = Number(1, "onglet", 0, kMaxIndex);
        break;
      case Verb::Leave:
      case Verb::DblClick:
      case Verb::Click:
      case Verb::Menu:
        command_.widget = words_[1].text;
        break;
      case Verb::Close:
        break;
      default:
        ParseExpectation();
    }
    return command_;
  }

 private:
  static constexpr long kMaxIndex = std::numeric_limits<int>::max();

  static const VerbSyntax* FindVerb(std::string_view word) {
    for (const VerbSyntax& syntax : kVerbs) {
      if (syntax.word == word)
        return &syntax;
    }
    return nullptr;
  }

  [[noreturn]] void Fail(const std::string& reason) const {
    throw ScriptError(command_.line, reason);
  }

  static bool ReadLong(std::string_view text, long& number) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
  }

  long Number(std::size_t word, const char* what, long min, long max) const {
    long number = 0;
    const std::string& text = words_[word].text;
    if (!ReadLong(text, number))
      Fail(std::string(what) + " attendu, un nombre : " + QuoteText(text));
    if (number < min || number > max)
      Fail(std::string(what) + " hors des limites (" + std::to_string(min) + " à " +
           std::to_string(max) + ") : " + text);
    return number;
  }

  void Arguments(std::size_t count, const char* usage) const {
    if (words_.size() != count + 2)
      Fail(std::string("usage : expect ") + usage);
  }

  // Where something other than blanks or a comment starts from offset on; npos if nothing.
  std::size_t ContentFrom(std::size_t offset) const {
    const std::size_t next = text_.find_first_not_of(" \t", offset);
    return next == std::string_view::npos || text_[next] == '#' ? std::string_view::npos : next;
  }

  // The JSON is the rest of the line, taken as it is written; only a comment may follow.
  // Its depth is checked before the library parses, copies or writes it, since each of
  // those walks it recursively.
  void ParseRecord() {
    command_.file = words_[1].text;
    command_.key = words_[2].text;
    const std::size_t start = words_[2].end;
    if (ContentFrom(start) == std::string_view::npos)
      Fail("usage : record FILE KEY JSON");
    if (dba::JsonDepth::Of(text_.substr(start)) > dba::JsonDepth::kLimit)
      Fail(dba::JsonFailure::TooDeep());
    try {
      std::istringstream in(std::string(text_.substr(start)));
      nlohmann::json record;
      in >> record;
      const std::streamoff consumed = in.tellg();
      if (consumed >= 0) {
        const std::size_t rest = ContentFrom(start + static_cast<std::size_t>(consumed));
        if (rest != std::string_view::npos)
          Fail("texte après le JSON : " + std::string(text_.substr(rest)));
      }
      // The record checked as the record store will read it, so that a wrong shape stops
      // the script before anything has run.
      const nlohmann::ordered_json line = {
          {"file", command_.file}, {"key", command_.key}, {"record", record}};
      command_.text = line.dump();
    } catch (const nlohmann::json::exception& error) {
      Fail("record : " + dba::JsonFailure::Describe(error, start + 1));
    }
    try {
      dba::RecordJson::Parse(command_.text, command_.line);
    } catch (const basis::Error& error) {
      Fail(error.Description());
    }
  }

  // A bare number is an entry's position; any other word, or a quoted one, its text.
  void ParsePick() {
    command_.widget = words_[1].text;
    long index = 0;
    command_.hasNumber = !words_[2].quoted && ReadLong(words_[2].text, index);
    if (command_.hasNumber)
      command_.number = Number(2, "index", 0, kMaxIndex);
    else
      command_.text = words_[2].text;
  }

  void ParseExpectation() {
    const std::string& subject = words_[1].text;
    if (subject == "message") {
      if (words_.size() != 3 && words_.size() != 4)
        Fail("usage : expect message TEXT [STYLE]");
      command_.verb = Verb::ExpectMessage;
      command_.text = words_[2].text;
      command_.hasNumber = words_.size() == 4;
      if (command_.hasNumber)
        command_.number = Number(3, "style", 0, std::numeric_limits<std::int32_t>::max());
    } else if (subject == "no") {
      if (words_.size() != 3 || words_[2].text != "message")
        Fail("usage : expect no message");
      command_.verb = Verb::ExpectNoMessage;
    } else if (subject == "beep") {
      Arguments(0, "beep");
      command_.verb = Verb::ExpectBeep;
    } else if (subject == "help") {
      Arguments(1, "help COMMAND");
      command_.verb = Verb::ExpectHelp;
      command_.number = Number(2, "commande d'aide", std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max());
    } else if (subject == "W_SortirSectorisation") {
      Arguments(1, "W_SortirSectorisation True|False");
      command_.verb = Verb::ExpectSortir;
      command_.text = Boolean(2);
    } else if (subject == "unloaded") {
      Arguments(0, "unloaded");
      command_.verb = Verb::ExpectUnloaded;
    } else if (subject == "record") {
      ParseExpectRecord();
    } else {
      ParseExpectProperty();
    }
  }

  std::string Boolean(std::size_t word) const {
    const std::string& text = words_[word].text;
    if (text != "True" && text != "False")
      Fail("True ou False attendu : " + QuoteText(text));
    return text;
  }

  void ParseExpectRecord() {
    Arguments(4, "record FILE KEY ATTRIBUTE[.VALUE] TEXT");
    command_.verb = Verb::ExpectRecord;
    command_.file = words_[2].text;
    command_.key = words_[3].text;
    const std::string& address = words_[4].text;
    const std::size_t dot = address.find('.');
    const bool valid =
        dot == std::string::npos
            ? ReadLong(address, command_.attribute)
            : ReadLong(std::string_view(address).substr(0, dot), command_.attribute) &&
                  ReadLong(std::string_view(address).substr(dot + 1), command_.value);
    if (!valid || command_.attribute < 0 || (dot != std::string::npos && command_.value < 1))
      Fail("attribut attendu, ATTRIBUTE ou ATTRIBUTE.VALUE : " + QuoteText(address));
    command_.text = words_[5].text;
  }

  void ParseExpectProperty() {
    const std::string& target = words_[1].text;
    const std::size_t dot = target.find('.');
    if (dot == std::string::npos || dot == 0)
      Fail(
          "attendu : expect WIDGET.PROPERTY VALUE, ou message, no message, beep, help, "
          "W_SortirSectorisation, unloaded, record");
    Arguments(1, "WIDGET.PROPERTY VALUE");
    command_.verb = Verb::ExpectProperty;
    command_.widget = target.substr(0, dot);
    std::string property = target.substr(dot + 1);
    const std::size_t open = property.find('(');
    if (open != std::string::npos) {
      long index = 0;
      if (property.back() != ')' ||
          !ReadLong(std::string_view(property).substr(open + 1, property.size() - open - 2),
                    index) ||
          index < 0 || index > kMaxIndex)
        Fail("index de propriété illisible : " + property);
      command_.propertyIndex = static_cast<int>(index);
      property.resize(open);
    }
    const WidgetProperty* known = WidgetProperty::Named(property);
    if (!known)
      Fail("propriété inconnue : " + property);
    if (known->Indexed() != (open != std::string::npos))
      Fail(known->Indexed() ? property + " s'écrit avec un index : " + property + "(i)"
                            : property + " s'écrit sans index");
    command_.property = property;
    command_.text = ExpectedValue(*known, 2);
  }

  std::string ExpectedValue(const WidgetProperty& property, std::size_t word) const {
    switch (property.ValueForm()) {
      case WidgetProperty::Form::Boolean:
        return Boolean(word);
      case WidgetProperty::Form::Number:
        return std::to_string(Number(word, "nombre", std::numeric_limits<long>::min(),
                                     std::numeric_limits<long>::max()));
      case WidgetProperty::Form::Text:
        break;
    }
    return words_[word].text;
  }

  std::string_view text_;
  std::vector<ScriptWord> words_;
  ScriptCommand command_;
};

// The words of the line; for `record`, only the three before its JSON, which is not
// written in script words.
std::vector<ScriptWord> WordsBeforeData(std::string_view line) {
  ScriptWord word;
  if (!NextWord(line, 0, word))
    return {};
  if (word.quoted || word.text != "record")
    return ScanWords(line);
  std::vector<ScriptWord> words{word};
  while (words.size() < 3 && NextWord(line, words.back().end, word))
    words.push_back(word);
  return words;
}

}  // namespace

std::vector<ScriptCommand> ParseScript(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark))
    text.remove_prefix(kByteOrderMark.size());
  std::vector<ScriptCommand> commands;
  int lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r'))
      line.remove_suffix(1);
    std::vector<ScriptWord> words;
    try {
      words = WordsBeforeData(line);
    } catch (const WordSyntaxError& error) {
      throw ScriptError(lineNumber, error.what());
    }
    if (!words.empty())
      commands.push_back(LineParser(lineNumber, line, std::move(words)).Parse());
  }
  return commands;
}

}  // namespace scenario
