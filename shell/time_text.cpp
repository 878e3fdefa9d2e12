#include "time_text.h"

namespace velmora {

std::string formatMinutesSeconds(std::uint32_t seconds)
{
    const std::uint32_t rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

}  // namespace velmora
