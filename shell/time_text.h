// Playing times as the records show them.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// Whole minutes, a colon and two digits of seconds: 0:59, 1:00, 125:07.
// The minutes are not limited.
std::string formatMinutesSeconds(std::uint32_t seconds);

}  // namespace velmora
