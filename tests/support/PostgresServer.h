#pragma once

#include <memory>
#include <string>

// A PostgreSQL server of the test suite's own: a cluster in a folder under the system's
// temporary folder, reached through a Unix socket in that folder and through a free TCP
// port on 127.0.0.1. The server refuses to run as root, so when the tests run as root it
// runs as the unprivileged user "nobody". Connections as the superuser "delvaro" go
// through the socket without a password; TCP connections need a password.
//
// A missing server (no /usr/lib/postgresql/*/bin) is an error, never a reason to skip.
class PostgresServer {
 public:
  // Creates and starts a new cluster. Throws std::runtime_error naming what failed.
  static std::unique_ptr<PostgresServer> Start();
  // The server the tests of a run share: the one the test run's fixture started, or else
  // one started for this process and stopped when it exits.
  static PostgresServer& Shared();

  // The cluster of a state file, to be stopped and removed with the object whatever its
  // state; nullptr when there is no state file.
  static std::unique_ptr<PostgresServer> Adopt(const std::string& stateFile);
  void Save(const std::string& stateFile) const;
  // Keeps the server running after the object is gone (until a later Adopt).
  void LeaveRunning() { owner_ = false; }

  // Stops the server (fast shutdown: clients are disconnected) and removes the cluster.
  ~PostgresServer();
  PostgresServer(const PostgresServer&) = delete;
  PostgresServer& operator=(const PostgresServer&) = delete;

  // Stops the server but keeps the cluster, and starts it again.
  void Stop();
  void Restart();

  // A new empty database, distinct for each call in every process; returns its name.
  std::string CreateDatabase();
  // The address of a database for the superuser through the socket, or through the
  // socket a relay keeps in socketFolder under the server's port.
  std::string Address(const std::string& database, const std::string& socketFolder = "") const;
  // The server's socket and port, for a relay.
  std::string SocketPath() const;
  int Port() const { return port_; }
  // The address of a database over TCP for a login, the password left to PGPASSWORD.
  std::string TcpAddress(const std::string& database, const std::string& login) const;
  // Runs statements as the superuser; throws std::runtime_error with the server's message.
  void Execute(const std::string& database, const std::string& sql) const;

 private:
  PostgresServer(std::string folder, int port, bool owner);
  void StartServer() const;

  std::string folder_;
  int port_;
  // Only the object that created or adopted the cluster removes it.
  bool owner_;
};
