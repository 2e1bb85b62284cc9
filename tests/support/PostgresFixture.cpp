// Starts the PostgreSQL server that a test run shares, and stops it when the run ends,
// also when tests failed: "delvaro-test-postgres start|stop STATE_FILE".
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "PostgresServer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: delvaro-test-postgres start|stop STATE_FILE\n";
    return 2;
  }
  const std::string command = argv[1], stateFile = argv[2];
  try {
    // A server left by an interrupted run is stopped with its cluster before anything.
    PostgresServer::Adopt(stateFile).reset();
    std::remove(stateFile.c_str());
    if (command == "start") {
      const std::unique_ptr<PostgresServer> server = PostgresServer::Start();
      server->Save(stateFile);
      server->LeaveRunning();
    }
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}
