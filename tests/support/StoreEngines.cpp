#include "StoreEngines.h"

#include <atomic>
#include <filesystem>
#include <stdexcept>

#ifdef DELVARO_WITH_POSTGRESQL
#include "PostgresServer.h"
#endif

namespace {

namespace fs = std::filesystem;

// A folder for this process's SQLite files, removed when the process ends.
class FileFolder {
 public:
  FileFolder() {
    std::string pattern = (fs::temp_directory_path() / "delvaro-store-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      throw std::runtime_error("cannot create a folder for the test stores");
    path_ = pattern;
  }
  ~FileFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  std::string NewFile() { return (path_ / ("store" + std::to_string(++files_) + ".db")).string(); }

 private:
  fs::path path_;
  std::atomic<int> files_ = 0;
};

}  // namespace

std::vector<StoreEngine> StoreEngines() {
  std::vector<StoreEngine> engines = {{"SQLite", [] {
                                         static FileFolder folder;
                                         return "sqlite:" + folder.NewFile();
                                       }}};
#ifdef DELVARO_WITH_POSTGRESQL
  engines.push_back({"PostgreSQL", [] {
                       PostgresServer& server = PostgresServer::Shared();
                       return server.Address(server.CreateDatabase());
                     }});
#endif
  return engines;
}
