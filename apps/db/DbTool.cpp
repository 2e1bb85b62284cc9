#include "DbTool.h"

#include <sstream>

#include "RightsCommands.h"

#include "basis/Error.h"
#include "common/DatabaseAddress.h"
#include "common/DemoData.h"
#include "common/JsonLinesFile.h"
#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"
#include "dba/Marks.h"
#include "dba/RecordJson.h"
#include "dba/Storage.h"

namespace {

// The file a statement names: its second word. The query engine checks the statement
// itself, so a malformed one is reported there, precisely.
std::string FileOfStatement(const std::string& statement) {
  std::istringstream words(statement);
  std::string verb, file;
  words >> verb >> file;
  return file.substr(0, file.find('='));
}

}  // namespace

int DbTool::Run(const std::vector<std::string>& arguments) {
  DbCommandLine line;
  try {
    line = DbCommandLine::Parse(arguments);
  } catch (const DbCommandLine::UsageError& error) {
    err_ << "delvaro-db : " << error.what() << ".\n\n" << DbCommandLine::Usage();
    return 2;
  }
  if (line.help) {
    out_ << DbCommandLine::Usage();
    return 0;
  }
  try {
    Execute(line);
  } catch (const basis::Error& error) {
    err_ << "delvaro-db : " << error.Description() << "\n";
    return 1;
  } catch (const std::bad_alloc&) {
    err_ << "delvaro-db : mémoire épuisée, rien n'a été écrit.\n";
    return 1;
  } catch (const std::exception& error) {
    err_ << "delvaro-db : erreur inattendue, rien n'a été écrit. (" << error.what() << ")\n";
    return 1;
  }
  return 0;
}

void DbTool::Execute(const DbCommandLine& line) {
  // Only the commands that write may make a store; reading one must not change the file.
  dba::DatabaseClient client;
  const auto connection = client.Connect(
      appsupport::DatabaseAddress::FromArgument(line.database),
      line.CreatesDatabase() ? dba::OpenMode::kCreateIfMissing : dba::OpenMode::kOpenExisting);
  if (line.command == "create") {
    Create(*connection, line.operands);
  } else if (line.command == "import") {
    ReportLoaded(appsupport::JsonLinesFile::Load(*connection, line.operands[0], in_));
  } else if (line.command == "export") {
    dba::JsonLines::Export(*connection, line.operands, out_);
  } else if (line.command == "show") {
    Show(*connection, line.operands[0], line.operands[1]);
  } else if (line.command == "query") {
    Query(*connection, line.operands[0], line.columns.value_or("0 1"));
  } else if (line.command == "demo") {
    ReportLoaded(appsupport::DemoData::Load(*connection));
  } else if (RightsCommands::Handles(line.command)) {
    RightsCommands(*connection, out_, err_).Run(line.command, line.operands);
  }
}

void DbTool::Create(dba::DatabaseConnection& connection, const std::vector<std::string>& files) {
  connection.GetStorage().WriteTransaction([&] {
    for (const std::string& file : files)
      connection.CreateFile(file);
  });
}

void DbTool::Show(dba::DatabaseConnection& connection, const std::string& file,
                  const std::string& key) {
  const auto record = connection.OpenFile(file)->ReadRecord(key);
  out_ << dba::RecordJson::Format(file, key, record->Text()) << "\n";
}

void DbTool::Query(dba::DatabaseConnection& connection, const std::string& statement,
                   const std::string& columns) {
  dba::DynamicArray request;
  request.Replace(1, statement);
  request.Replace(2, FileOfStatement(statement));
  request.Replace(3, columns);
  long unused = 0;
  const auto result = connection.ExecuteQuery(request.Text(), std::string(), unused);
  // The whole result in one text, rows turned into lines: a row per attribute.
  std::string lines = result->Text();
  for (char& c : lines) {
    if (c == dba::kAttributeMark)
      c = '\n';
    else if (c == dba::kValueMark)
      c = '\t';
    else if (c == dba::kSubvalueMark)
      c = '|';
  }
  if (result->DCount() > 0)
    lines += '\n';
  out_ << lines;
}

void DbTool::ReportLoaded(long records) {
  out_ << records << (records > 1 ? " enregistrements chargés.\n" : " enregistrement chargé.\n");
}
