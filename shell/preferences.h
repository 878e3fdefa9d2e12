// The player's settings and the small state that survives a restart, kept as
// one registry value per field under the preferences key.
//
// Each field has the width of its stored value, and the value holds exactly
// the field's bytes (little-endian). The favourites are the one field of
// variable size; they are stored as "favNum" and "favList".
//
// Loading is forgiving: a value that is missing, of another size than its
// field, or outside the field's range gives that field its default and
// leaves the others alone. Nothing is written back while loading, except
// that a key that did not exist is created with every default written.
// Saving writes every value in one commit.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "favourites_list.h"
#include "registry.h"

namespace velmora {

enum class PlayMode : std::uint8_t { tapping = 0, dragAndDrop = 1, keyboardCardWise = 2, keyboardPileWise = 3 };

inline constexpr std::int32_t kNoSolitaire = -1;
inline constexpr int kLastEnteredNameUnits = 16;  // including the terminator
inline constexpr int kSavedGameSlots = 10;

struct Preferences {
    std::uint8_t timedGame = 1;
    std::uint32_t timeLimit = 3;  // minutes: 1, 3, 5 or 10
    std::uint8_t animation = 1;
    std::uint8_t playMode = static_cast<std::uint8_t>(PlayMode::dragAndDrop);
    std::uint32_t bgColor = 0x00008000;  // 0x00BBGGRR, dark green
    std::uint8_t softkeyMenu = 0;
    std::uint32_t cardBack = 0;  // 0..3
    std::uint8_t showTimer = 1;
    std::int32_t curSolId = kNoSolitaire;  // RecordIndex, or -1 for none chosen
    // The same game's SolitaireId, which stays when new games shift the
    // indices; -1 for none chosen, or not stored by an older version.
    std::int32_t curSolitaireId = kNoSolitaire;
    std::uint32_t curGameNumber = 0;
    // UTF-16, zero-terminated; the units after the terminator are kept as read.
    std::array<char16_t, kLastEnteredNameUnits> lastEnteredName{};
    // Per saved-game slot, the second (since 1970) it was last written; 0 never.
    std::array<std::uint32_t, kSavedGameSlots> lastPlayed{};
    // The chooser's filters, stored as they are given (the chooser checks them).
    std::int32_t filterCat = 0;
    std::int32_t filterSkill = 0;
    std::int32_t filterTime = 0;
    std::int32_t filterLetter = 0;
    std::uint8_t filterFav = 0;
    FavouritesList favourites;  // "favNum" and "favList"

    friend bool operator==(const Preferences&, const Preferences&) = default;
};

// The stored widths, which the fields must keep.
static_assert(sizeof(Preferences::timedGame) == 1 && sizeof(Preferences::timeLimit) == 4 &&
              sizeof(Preferences::animation) == 1 && sizeof(Preferences::playMode) == 1 &&
              sizeof(Preferences::bgColor) == 4 && sizeof(Preferences::softkeyMenu) == 1 &&
              sizeof(Preferences::cardBack) == 4 && sizeof(Preferences::showTimer) == 1 &&
              sizeof(Preferences::curSolId) == 4 && sizeof(Preferences::curSolitaireId) == 4 &&
              sizeof(Preferences::curGameNumber) == 4 &&
              sizeof(Preferences::filterCat) == 4 && sizeof(Preferences::filterSkill) == 4 &&
              sizeof(Preferences::filterTime) == 4 && sizeof(Preferences::filterLetter) == 4 &&
              sizeof(Preferences::filterFav) == 1);
static_assert(sizeof(Preferences::lastEnteredName) == 32);
static_assert(sizeof(Preferences::lastPlayed) == 40);

// Where loaded preferences came from.
enum class PreferencesOrigin {
    stored,      // read from the store (missing or damaged values at their defaults)
    created,     // there was no key: the defaults, written to a new key when the store allowed
    unreadable,  // the store did not answer: the defaults, which must not be
                 // saved over the values the store still holds
};

// Reads the preferences key under storeRoot without taking a write lock. A
// key that does not exist yet is created and every default is written to it;
// a key that cannot be read gives all defaults.
Preferences LoadPreferences(Registry& registry, std::string_view storeRoot, PreferencesOrigin* origin = nullptr);

// Writes all 20 values in one commit. False when the store refused it (the
// program goes on; the stored values then are all as they were before).
bool SavePreferences(const Preferences& preferences, Registry& registry, std::string_view storeRoot);

// Writes only the saved-game slots' times ("lastPlayed"), which a save of the
// running game after SavePreferences has changed.
bool SaveSlotTimes(const Preferences& preferences, Registry& registry, std::string_view storeRoot);

// The name up to its terminator.
std::u16string_view lastEnteredName(const Preferences& preferences);
// Stores at most 15 units (never half of a surrogate pair), zero-filled.
void setLastEnteredName(Preferences& preferences, std::u16string_view name);

// A stored colour (0x00BBGGRR) as 0xRRGGBB, and back.
std::uint32_t rgbFromStoredColour(std::uint32_t bgr);
std::uint32_t storedColourFromRgb(std::uint32_t rgb);
// The background colour as 0xRRGGBB, and back.
std::uint32_t backgroundRgb(const Preferences& preferences);
void setBackgroundRgb(Preferences& preferences, std::uint32_t rgb);

}  // namespace velmora
