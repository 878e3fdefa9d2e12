// The saved games' slot times as the saved games see them: the preferences'
// "lastPlayed" seconds, changed in memory and stored with the preferences.
#pragma once

#include "preferences.h"
#include "saved_game.h"

namespace velmora {

static_assert(kSlotCount == kSavedGameSlots);

class LastPlayedTimes final : public SlotSaveTimes {
public:
    explicit LastPlayedTimes(Preferences& preferences) : preferences_(preferences) {}

    // A slot outside 0..9 reads as never saved and is not set.
    std::uint32_t saveTime(int slot) const override;
    void setSaveTime(int slot, std::uint32_t seconds) override;

private:
    Preferences& preferences_;
};

}  // namespace velmora
