#include "dba/JsonLines.h"

#include <iterator>
#include <map>
#include <set>
#include <utility>

#include "basis/Error.h"
#include "dba/RecordJson.h"
#include "dba/Storage.h"
#include "dba/StoreNames.h"

namespace dba {
namespace {

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

long JsonLines::Load(DatabaseConnection& connection, std::string_view text) {
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark))
    text.remove_prefix(kByteOrderMark.size());

  std::vector<RecordJson::Line> lines;
  std::map<std::pair<std::string, std::string>, long> lineOfRecord;
  long lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (IsBlankLine(line))
      continue;
    RecordJson::Line parsed = RecordJson::Parse(line, lineNumber);
    const auto [where, added] =
        lineOfRecord.emplace(std::make_pair(parsed.file, parsed.record.Key()), lineNumber);
    if (!added) {
      throw basis::Error(basis::kInvalidProcedureCall,
                         "Ligne " + std::to_string(lineNumber) + " : l'enregistrement " +
                             parsed.record.Key() + " du fichier " + parsed.file +
                             " figure déjà ligne " + std::to_string(where->second) + ".");
    }
    lines.push_back(std::move(parsed));
  }

  Storage& storage = connection.GetStorage();
  storage.WriteTransaction([&] {
    std::set<std::string> created;
    for (const RecordJson::Line& line : lines) {
      if (created.insert(line.file).second)
        storage.CreateFile(line.file);
      storage.Write(line.file, line.record.Key(), line.record.Text());
    }
  });
  return static_cast<long>(lines.size());
}

long JsonLines::Load(DatabaseConnection& connection, std::istream& input) {
  const std::string text{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
  if (input.bad())
    throw basis::Error(basis::kInvalidProcedureCall, "Lecture des lignes JSON impossible.");
  return Load(connection, text);
}

void JsonLines::Export(DatabaseConnection& connection, const std::vector<std::string>& files,
                       std::ostream& output) {
  Storage& storage = connection.GetStorage();
  const std::vector<std::string> chosen = files.empty() ? storage.ListFiles() : files;
  for (const std::string& file : chosen)
    StoreNames::RequireFile(storage, file);
  // Formatted whole before any output, so that a record that cannot be written leaves
  // no truncated export behind.
  std::string lines;
  for (const std::string& file : chosen) {
    for (const StoredRecord& record : storage.Scan(file, KeyRange::All())) {
      lines += RecordJson::Format(file, record.key, record.body);
      lines += '\n';
    }
  }
  output << lines;
}

}  // namespace dba
