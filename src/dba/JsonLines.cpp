#include "dba/JsonLines.h"

#include <set>
#include <utility>

#include "basis/Error.h"
#include "dba/ImportedKeys.h"
#include "dba/InputLines.h"
#include "dba/RecordJson.h"
#include "dba/Storage.h"
#include "dba/StoreNames.h"

namespace dba {
namespace {

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// The file and key of a record given twice, found again in the store, where the import
// wrote it: only a file the import wrote to can hold it. Only on this path of failure
// are the files read again.
std::pair<std::string, std::string> RepeatedRecord(Storage& storage,
                                                   const std::set<std::string>& files,
                                                   ImportedKeys& imported,
                                                   std::uint64_t fingerprint) {
  for (const std::string& file : files) {
    std::optional<std::string> found;
    storage.ScanEach(file, KeyRange::All(), [&](std::string_view key, std::string_view) {
      if (!found && imported.Matches(file, key, fingerprint))
        found = std::string(key);
    });
    if (found)
      return {file, *found};
  }
  return {};
}

}  // namespace

long JsonLines::Load(DatabaseConnection& connection, std::string_view text) {
  InputLines lines(text);
  return Load(connection, lines);
}

long JsonLines::Load(DatabaseConnection& connection, std::istream& input) {
  InputLines lines(input);
  return Load(connection, lines);
}

// Each line is parsed and written as it comes, inside the one transaction: an error
// rolls every earlier line back, and memory holds one line at a time.
long JsonLines::Load(DatabaseConnection& connection, InputLines& lines) {
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  Storage& storage = connection.GetStorage();
  long loaded = 0;
  storage.WriteTransaction([&] {
    std::set<std::string> created;
    ImportedKeys imported;
    long lineNumber = 0;
    while (std::optional<std::string_view> line = lines.Next()) {
      if (++lineNumber == 1 && line->starts_with(kByteOrderMark))
        line->remove_prefix(kByteOrderMark.size());
      if (IsBlankLine(*line))
        continue;
      const RecordJson::Line parsed = RecordJson::Parse(*line, lineNumber);
      imported.Add(parsed.file, parsed.record.Key(), lineNumber);
      if (created.insert(parsed.file).second)
        storage.CreateFile(parsed.file);
      storage.Write(parsed.file, parsed.record.Key(), parsed.record.Text());
      ++loaded;
    }
    if (const auto repeat = imported.FirstRepeat()) {
      const auto [file, key] = RepeatedRecord(storage, created, imported, repeat->fingerprint);
      throw basis::Error(basis::kInvalidProcedureCall,
                         "Ligne " + std::to_string(repeat->line) + " : l'enregistrement " + key +
                             " du fichier " + file + " figure déjà ligne " +
                             std::to_string(repeat->first) + ".");
    }
  });
  return loaded;
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
    storage.ScanEach(file, KeyRange::All(), [&](std::string_view key, std::string_view body) {
      lines += RecordJson::Format(file, std::string(key), body);
      lines += '\n';
    });
  }
  output << lines;
}

}  // namespace dba
