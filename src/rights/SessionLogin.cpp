#include "rights/SessionLogin.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace rights {

std::string SessionLogin(dba::DatabaseConnection& connection) {
  if (std::optional<std::string> user = connection.SessionUser())
    return std::move(*user);
  return OperatingSystemLogin();
}

std::string OperatingSystemLogin() {
  const uid_t uid = geteuid();
  const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 4096);
  passwd entry{};
  passwd* found = nullptr;
  while (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == ERANGE)
    buffer.resize(buffer.size() * 2);
  if (found == nullptr || found->pw_name == nullptr || *found->pw_name == '\0')
    return std::to_string(uid);
  return found->pw_name;
}

}  // namespace rights
