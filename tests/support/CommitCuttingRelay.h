#pragma once

#include <atomic>
#include <string>
#include <thread>

// A relay between PostgreSQL clients and a server's Unix socket that can break the
// connection around one COMMIT, the one moment at which a client cannot know by itself
// whether its transaction was kept. Clients reach it as a server whose socket folder is
// Folder() and whose port is the server's.
//
// The relay runs on a thread of its own; every call may be made from any thread.
class CommitCuttingRelay {
 public:
  enum class Cut {
    // The COMMIT reaches the server, which commits; its answer is dropped with the
    // connection.
    kAfterTheServerCommitted,
    // The connection drops with the COMMIT, which the server never receives.
    kBeforeTheServerSawIt,
  };

  // Relays to the server's socket (FOLDER/.s.PGSQL.PORT). Throws std::runtime_error when
  // it cannot listen.
  CommitCuttingRelay(const std::string& serverSocket, int port);
  // Closes every relayed connection.
  ~CommitCuttingRelay();
  CommitCuttingRelay(const CommitCuttingRelay&) = delete;
  CommitCuttingRelay& operator=(const CommitCuttingRelay&) = delete;

  const std::string& Folder() const { return folder_; }
  // The next COMMIT a client sends is cut as said; later ones pass.
  void CutNextCommit(Cut cut);

 private:
  void Relay();

  std::string serverSocket_;
  std::string folder_;
  int listener_ = -1;
  int wake_[2] = {-1, -1};
  // -1 when no cut is armed, else a Cut.
  std::atomic<int> armed_{-1};
  std::thread thread_;
};
