#include "dba/QueryRequest.h"

#include <charconv>
#include <optional>

#include "basis/Error.h"
#include "dba/DynamicArray.h"

namespace dba {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string Quoted(std::string_view text) {
  return "« " + std::string(text) + " »";
}

// A whole number of attribute, or nothing when the word is not one.
std::optional<long> AttributeNumber(std::string_view word) {
  long number = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
  if (word.empty() || error != std::errc() || end != word.data() + word.size() || number < 0)
    return std::nullopt;
  return number;
}

// Reads a statement word by word. An "=" ends a word and is a word of its own, so a
// condition written against the file name still reads as a condition.
class StatementReader {
 public:
  explicit StatementReader(std::string_view text) : text_(text) {}

  std::string_view Word() {
    SkipBlanks();
    const std::size_t begin = position_;
    if (position_ < text_.size() && text_[position_] == '=')
      return text_.substr(position_++, 1);
    while (position_ < text_.size() && !IsBlank(text_[position_]) && text_[position_] != '=')
      ++position_;
    return text_.substr(begin, position_ - begin);
  }

  bool NextIs(char c) {
    SkipBlanks();
    return position_ < text_.size() && text_[position_] == c;
  }

  // From an opening quote, the text up to the last quote of the statement, so that a
  // literal may itself hold quotes.
  std::optional<std::string_view> QuotedLiteral() {
    const std::size_t open = position_;
    const std::size_t close = text_.rfind('\'');
    if (close == open)
      return std::nullopt;
    position_ = close + 1;
    return text_.substr(open + 1, close - open - 1);
  }

 private:
  void SkipBlanks() {
    while (position_ < text_.size() && IsBlank(text_[position_]))
      ++position_;
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

class RequestParser {
 public:
  explicit RequestParser(std::string_view statement) : statement_(statement) {}

  void ParseStatement(QueryRequest& request) const {
    StatementReader reader(statement_);
    const std::string_view verb = reader.Word();
    if (verb.empty())
      Fail("instruction vide : SELECT ou SSELECT est attendu");
    if (verb != "SELECT" && verb != "SSELECT")
      Fail("verbe inconnu " + Quoted(verb) + " : SELECT ou SSELECT est attendu");
    const std::string_view file = reader.Word();
    if (file.empty() || file == "=")
      Fail("nom de fichier manquant après " + std::string(verb));
    request.file = file;

    const bool hasCondition = reader.NextIs('=');
    if (hasCondition) {
      reader.Word();
      if (!reader.NextIs('\''))
        Fail("apostrophe attendue après « = » dans la condition sur la clé");
      const std::optional<std::string_view> literal = reader.QuotedLiteral();
      if (!literal)
        Fail("apostrophe fermante manquante dans la condition sur la clé");
      request.condition = KeyCondition::FromLiteral(*literal);
    }

    for (std::string_view word = reader.Word(); !word.empty(); word = reader.Word()) {
      if (word != "PAR") {
        Fail("texte inattendu " + Quoted(word) +
             (hasCondition ? " après la condition : PAR suivi d'un numéro d'attribut est attendu"
                           : " : une condition = '...' ou PAR suivi d'un numéro d'attribut est "
                             "attendu"));
      }
      const std::string_view number = reader.Word();
      if (number.empty())
        Fail("PAR sans numéro d'attribut");
      const std::optional<long> attribute = AttributeNumber(number);
      if (!attribute)
        Fail("PAR suivi de " + Quoted(number) + " au lieu d'un numéro d'attribut");
      request.sortAttributes.push_back(*attribute);
    }
  }

  void CheckFile(const QueryRequest& request, std::string_view requestFile) const {
    if (requestFile.empty())
      Fail("fichier manquant dans la demande (attribut 2)");
    if (requestFile != request.file) {
      Fail("le fichier " + Quoted(request.file) + " de l'instruction diffère du fichier " +
           Quoted(requestFile) + " de la demande");
    }
  }

  void ParseColumns(QueryRequest& request, std::string_view list) const {
    StatementReader reader(list);
    for (std::string_view word = reader.Word(); !word.empty(); word = reader.Word()) {
      const std::optional<long> attribute = AttributeNumber(word);
      if (!attribute)
        Fail("colonne " + Quoted(word) + " : un numéro d'attribut est attendu");
      request.columns.push_back(*attribute);
    }
    if (request.columns.empty())
      Fail("liste de colonnes vide (attribut 3 de la demande)");
  }

 private:
  [[noreturn]] void Fail(const std::string& problem) const {
    throw basis::Error(basis::kQuerySyntax,
                       "Requête incorrecte " + Quoted(statement_) + " : " + problem + ".");
  }

  std::string_view statement_;
};

}  // namespace

QueryRequest QueryRequest::Parse(std::string_view request) {
  const DynamicArray array(request);
  const std::string statement = array.Extract(1).Text();
  const RequestParser parser(statement);
  QueryRequest parsed;
  parser.ParseStatement(parsed);
  parser.CheckFile(parsed, array.Extract(2).Text());
  parser.ParseColumns(parsed, array.Extract(3).Text());
  return parsed;
}

}  // namespace dba
