#include "CommitCuttingRelay.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <list>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {

sockaddr_un SocketAddress(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path)
    throw std::runtime_error("socket path too long: " + path);
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

void SendAll(int socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0)
      return;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

// One client's connection and the relay's own connection to the server for it.
struct Pair {
  int client = -1;
  int server = -1;
  // What the client sent that does not yet make a whole protocol message.
  std::string pending;
  bool started = false;
  // The server's next answer is not passed on: the connection ends instead.
  bool cutAtAnswer = false;
  bool closed = false;

  void Close() {
    close(client);
    close(server);
    closed = true;
  }
};

// The length of the first whole message in bytes, or 0 when it has not all arrived. The
// startup message has no type byte; every later one has one before its length.
std::size_t WholeMessage(const std::string& bytes, bool started) {
  const std::size_t header = started ? 5 : 4;
  if (bytes.size() < header)
    return 0;
  std::uint32_t length;
  std::memcpy(&length, bytes.data() + header - 4, 4);
  const std::size_t total = header - 4 + ntohl(length);
  return bytes.size() >= total ? total : 0;
}

bool IsCommit(std::string_view message) {
  return message.size() > 5 && message[0] == 'Q' &&
         message.substr(5) == std::string_view("COMMIT\0", 7);
}

}  // namespace

CommitCuttingRelay::CommitCuttingRelay(const std::string& serverSocket, int port)
    : serverSocket_(serverSocket) {
  char pattern[] = "/tmp/delvaro-relay-XXXXXX";
  if (!mkdtemp(pattern))
    throw std::runtime_error("cannot create the relay's folder");
  folder_ = pattern;
  // The server may run as another user, but only the tests' own clients come here.
  const sockaddr_un address = SocketAddress(folder_ + "/.s.PGSQL." + std::to_string(port));
  listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
  if (listener_ < 0 ||
      bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener_, 16) != 0 || pipe(wake_) != 0)
    throw std::runtime_error("the relay cannot listen in " + folder_);
  thread_ = std::thread([this] { Relay(); });
}

CommitCuttingRelay::~CommitCuttingRelay() {
  const char stop = 0;
  [[maybe_unused]] const ssize_t written = write(wake_[1], &stop, 1);
  thread_.join();
  close(listener_);
  close(wake_[0]);
  close(wake_[1]);
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void CommitCuttingRelay::CutNextCommit(Cut cut) {
  armed_ = static_cast<int>(cut);
}

void CommitCuttingRelay::Relay() {
  std::list<Pair> pairs;
  for (;;) {
    std::vector<pollfd> watched = {{wake_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
    for (const Pair& pair : pairs) {
      watched.push_back({pair.client, POLLIN, 0});
      watched.push_back({pair.server, POLLIN, 0});
    }
    if (poll(watched.data(), watched.size(), -1) < 0)
      continue;
    if (watched[0].revents)
      break;
    std::size_t index = 2;
    for (Pair& pair : pairs) {
      const short fromClient = watched[index++].revents;
      const short fromServer = watched[index++].revents;
      char buffer[65536];
      if (fromServer) {
        const ssize_t count = recv(pair.server, buffer, sizeof buffer, 0);
        if (count <= 0 || pair.cutAtAnswer) {
          pair.Close();
          continue;
        }
        SendAll(pair.client, std::string_view(buffer, static_cast<std::size_t>(count)));
      }
      if (fromClient) {
        const ssize_t count = recv(pair.client, buffer, sizeof buffer, 0);
        if (count <= 0) {
          pair.Close();
          continue;
        }
        pair.pending.append(buffer, static_cast<std::size_t>(count));
        while (const std::size_t length = WholeMessage(pair.pending, pair.started)) {
          const std::string message = pair.pending.substr(0, length);
          pair.pending.erase(0, length);
          pair.started = true;
          const int cut = IsCommit(message) ? armed_.exchange(-1) : -1;
          if (cut == static_cast<int>(Cut::kBeforeTheServerSawIt)) {
            pair.Close();
            break;
          }
          pair.cutAtAnswer = cut == static_cast<int>(Cut::kAfterTheServerCommitted);
          SendAll(pair.server, message);
        }
      }
    }
    pairs.remove_if([](const Pair& pair) { return pair.closed; });
    // Only after the pairs that were watched, which the indices above follow.
    if (watched[1].revents) {
      Pair pair;
      pair.client = accept(listener_, nullptr, nullptr);
      pair.server = socket(AF_UNIX, SOCK_STREAM, 0);
      const sockaddr_un address = SocketAddress(serverSocket_);
      if (connect(pair.server, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        pairs.push_back(std::move(pair));
      else
        pair.Close();
    }
  }
  for (Pair& pair : pairs)
    pair.Close();
}
