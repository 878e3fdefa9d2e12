#include "last_played_times.h"

namespace velmora {
namespace {

bool isSlot(int slot) { return slot >= 0 && slot < kSavedGameSlots; }

}  // namespace

std::uint32_t LastPlayedTimes::saveTime(int slot) const
{
    return isSlot(slot) ? preferences_.lastPlayed[static_cast<std::size_t>(slot)] : 0;
}

void LastPlayedTimes::setSaveTime(int slot, std::uint32_t seconds)
{
    if (isSlot(slot))
        preferences_.lastPlayed[static_cast<std::size_t>(slot)] = seconds;
}

}  // namespace velmora
