#pragma once

#include <cstdint>
#include <string>

namespace rights {

// The level a rights record grants on one screen.
struct ScreenGrant {
  std::string screen;
  std::int32_t level;

  bool operator==(const ScreenGrant& other) const = default;
};

}  // namespace rights
