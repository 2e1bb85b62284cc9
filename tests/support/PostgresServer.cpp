#include "PostgresServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <libpq-fe.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The server's own login, whatever the operating system's user.
constexpr const char* kSuperuser = "delvaro";

std::string ServerBinary(const std::string& name) {
  std::vector<fs::path> found;
  std::error_code error;
  for (const auto& version : fs::directory_iterator("/usr/lib/postgresql", error)) {
    if (fs::exists(version.path() / "bin" / name))
      found.push_back(version.path() / "bin" / name);
  }
  if (found.empty()) {
    throw std::runtime_error(
        "PostgreSQL server binaries not found under "
        "/usr/lib/postgresql/*/bin (install the postgresql package)");
  }
  // The newest version; version folders are numbers of equal length in practice.
  std::sort(found.begin(), found.end());
  return found.back().string();
}

// The user the server runs as: ourselves, unless we are root, which the server refuses.
const passwd* ServerUser() {
  return geteuid() == 0 ? getpwnam("nobody") : nullptr;
}

// Runs a program in folder and waits for it; its output goes to folder/commands.log.
// Throws with the end of that log when it fails.
void RunCommand(const std::string& folder, std::vector<std::string> arguments) {
  const passwd* user = ServerUser();
  if (user) {
    arguments.insert(arguments.begin(), {"/usr/sbin/runuser", "-u", user->pw_name, "--"});
  }
  const std::string log = folder + "/commands.log";
  const pid_t child = fork();
  if (child < 0)
    throw std::runtime_error("fork failed");
  if (child == 0) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
      argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0666);
    if (output < 0 || chdir(folder.c_str()) != 0)
      _exit(126);
    dup2(output, STDOUT_FILENO);
    dup2(output, STDERR_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::ifstream text(log);
    std::ostringstream content;
    content << text.rdbuf();
    const std::string all = content.str();
    throw std::runtime_error(arguments[user ? 4 : 0] + " failed:\n" +
                             all.substr(all.size() > 2000 ? all.size() - 2000 : 0));
  }
}

int FreePort() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (probe < 0 || bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("no free TCP port on 127.0.0.1");
  }
  close(probe);
  return ntohs(address.sin_port);
}

std::string NewFolder() {
  std::string pattern = (fs::temp_directory_path() / "delvaro-pg-XXXXXX").string();
  if (!mkdtemp(pattern.data()))
    throw std::runtime_error("cannot create a folder for the PostgreSQL cluster");
  if (const passwd* user = ServerUser()) {
    if (chown(pattern.c_str(), user->pw_uid, user->pw_gid) != 0)
      throw std::runtime_error("cannot hand " + pattern + " to " + user->pw_name);
  }
  return pattern;
}

}  // namespace

PostgresServer::PostgresServer(std::string folder, int port, bool owner)
    : folder_(std::move(folder)), port_(port), owner_(owner) {}

std::unique_ptr<PostgresServer> PostgresServer::Start() {
  const std::string folder = NewFolder();
  std::unique_ptr<PostgresServer> server(new PostgresServer(folder, 0, true));
  RunCommand(folder, {ServerBinary("initdb"), "-D", folder + "/data", "-U", kSuperuser,
                      "--auth-local=trust", "--auth-host=scram-sha-256", "-E", "UTF8", "--locale=C",
                      "--no-sync"});
  // Another process may take the free port before the server does: try a few.
  for (int attempt = 1;; ++attempt) {
    server->port_ = FreePort();
    try {
      server->StartServer();
      return server;
    } catch (const std::runtime_error&) {
      if (attempt == 3)
        throw;
    }
  }
}

void PostgresServer::StartServer() const {
  // Durability is the server's business, not what these tests check: skip the syncs.
  const std::string options = "-k " + folder_ + " -p " + std::to_string(port_) +
                              " -c listen_addresses=127.0.0.1 -c fsync=off"
                              " -c synchronous_commit=off -c full_page_writes=off"
                              " -c shared_buffers=16MB -c max_connections=60";
  RunCommand(folder_, {ServerBinary("pg_ctl"), "-D", folder_ + "/data", "-l",
                       folder_ + "/server.log", "-w", "-t", "60", "-o", options, "start"});
}

PostgresServer& PostgresServer::Shared() {
  static const std::unique_ptr<PostgresServer> server = [] {
    // The run's server is used as it is and left running, when it answers.
    std::unique_ptr<PostgresServer> shared = Adopt(DELVARO_TEST_POSTGRES_STATE);
    if (!shared)
      return Start();
    shared->owner_ = false;
    return PQping(shared->Address("postgres").c_str()) == PQPING_OK ? std::move(shared) : Start();
  }();
  return *server;
}

std::unique_ptr<PostgresServer> PostgresServer::Adopt(const std::string& stateFile) {
  std::ifstream state(stateFile);
  std::string folder;
  int port = 0;
  if (!(state >> folder >> port))
    return nullptr;
  return std::unique_ptr<PostgresServer>(new PostgresServer(folder, port, true));
}

void PostgresServer::Save(const std::string& stateFile) const {
  std::ofstream(stateFile) << folder_ << "\n" << port_ << "\n";
}

PostgresServer::~PostgresServer() {
  if (!owner_)
    return;
  try {
    RunCommand(folder_,
               {ServerBinary("pg_ctl"), "-D", folder_ + "/data", "-m", "immediate", "-w", "stop"});
  } catch (const std::runtime_error&) {
    // Already stopped.
  }
  std::error_code error;
  fs::remove_all(folder_, error);
}

void PostgresServer::Stop() {
  RunCommand(folder_,
             {ServerBinary("pg_ctl"), "-D", folder_ + "/data", "-m", "fast", "-w", "stop"});
}

void PostgresServer::Restart() {
  StartServer();
}

std::string PostgresServer::CreateDatabase() {
  static std::atomic<int> counter = 0;
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  // Appended rather than added to a literal, which GCC 12 mistakes for an overlapping copy.
  std::string name = "t";
  name.append(std::to_string(getpid()))
      .append("_")
      .append(std::to_string(++counter))
      .append("_")
      .append(std::to_string(now % 1000000));
  Execute("postgres", "CREATE DATABASE " + name);
  return name;
}

std::string PostgresServer::Address(const std::string& database,
                                    const std::string& socketFolder) const {
  return "postgresql:///" + database + "?host=" + (socketFolder.empty() ? folder_ : socketFolder) +
         "&port=" + std::to_string(port_) + "&user=" + kSuperuser;
}

std::string PostgresServer::SocketPath() const {
  return folder_ + "/.s.PGSQL." + std::to_string(port_);
}

std::string PostgresServer::TcpAddress(const std::string& database,
                                       const std::string& login) const {
  return "postgresql://" + login + "@127.0.0.1:" + std::to_string(port_) + "/" + database;
}

void PostgresServer::Execute(const std::string& database, const std::string& sql) const {
  PGconn* connection = PQconnectdb(Address(database).c_str());
  PGresult* result = PQexec(connection, sql.c_str());
  const ExecStatusType status = PQresultStatus(result);
  const std::string message = PQerrorMessage(connection);
  PQclear(result);
  PQfinish(connection);
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
    throw std::runtime_error("PostgreSQL: " + message);
}
