#include "rights/UserRights.h"

namespace rights {

std::shared_ptr<ScreenRights> UserRights::RightsFor(const std::string& screenKey) {
  auto& screen = screens_[screenKey];
  if (!screen)
    screen = std::make_shared<ScreenRights>();
  return screen;
}

void UserRights::Grant(const std::string& screenKey, std::int32_t accessLevel) {
  RightsFor(screenKey)->SetAccessLevel(accessLevel);
}

}  // namespace rights
