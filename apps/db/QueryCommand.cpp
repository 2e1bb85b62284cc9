#include <sstream>

#include "DbCommands.h"
#include "dba/Marks.h"

namespace {

// The file a statement names: its second word. The query engine checks the statement
// itself, so a malformed one is reported there, precisely.
std::string FileOfStatement(const std::string& statement) {
  std::istringstream words(statement);
  std::string verb, file;
  words >> verb >> file;
  return file.substr(0, file.find('='));
}

std::string ColumnsProblem(const std::string& columns) {
  const bool numbers = columns.find_first_not_of("0123456789 ") == std::string::npos &&
                       columns.find_first_of("0123456789") != std::string::npos;
  return numbers ? std::string() : "« " + columns + " » n'est pas une liste de numéros d'attributs";
}

class QueryCommand final : public DbCommand {
 public:
  explicit QueryCommand(CLI::App& command) : DbCommand(command) {
    command.add_option("INSTRUCTION", statement_, "par exemple 'SSELECT SECTEUR PAR 1'")
        ->required();
    command
        .add_option("--columns", columns_,
                    "les attributs à écrire, séparés par des espaces (0 : la clé)")
        ->type_name("\"0 1\"")
        ->check(CLI::Validator(ColumnsProblem, ""));
  }

  int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) override {
    dba::DynamicArray request;
    request.Replace(1, statement_);
    request.Replace(2, FileOfStatement(statement_));
    request.Replace(3, columns_);
    // The whole result in one text, rows turned into lines: a row per attribute.
    std::string lines = connection.ExecuteQueryText(request.Text());
    // Written as selections rather than branches, so that the compiler turns the loop
    // into vector instructions: the text may be tens of megabytes.
    for (char& c : lines) {
      c = c == dba::kAttributeMark  ? '\n'
          : c == dba::kValueMark    ? '\t'
          : c == dba::kSubvalueMark ? '|'
                                    : c;
    }
    if (!lines.empty())
      lines += '\n';
    streams.out << lines;
    return 0;
  }

 private:
  std::string statement_;
  std::string columns_ = "0 1";
};

}  // namespace

std::unique_ptr<DbCommand> MakeQueryCommand(appsupport::ToolCommandLine& line) {
  return std::make_unique<QueryCommand>(line.AddCommand(
      "query",
      "exécute une requête : une ligne par enregistrement, colonnes séparées par une "
      "tabulation, valeurs multiples d'une colonne séparées par |"));
}
