#include "preferences.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "store_keys.h"

namespace velmora {
namespace {

// The fields are read and written as their own bytes.
static_assert(std::endian::native == std::endian::little, "stored values are little-endian");

constexpr const char* kFavouritesCountValue = "favNum";
constexpr const char* kFavouritesValue = "favList";
constexpr const char* kSlotTimesValue = "lastPlayed";

// What a stored value must hold to be taken; anything else is damage and the
// field keeps its default.
constexpr auto anyValue = [](const auto&) { return true; };
constexpr auto isFlag = [](std::uint8_t value) { return value <= 1; };
constexpr auto isTimeLimit = [](std::uint32_t minutes) {
    return minutes == 1 || minutes == 3 || minutes == 5 || minutes == 10;
};
constexpr auto isPlayMode = [](std::uint8_t mode) { return mode <= static_cast<std::uint8_t>(PlayMode::keyboardPileWise); };
constexpr auto isCardBack = [](std::uint32_t design) { return design <= 3; };
// A RecordIndex or a SolitaireId (both 0..799), or none.
constexpr auto isSolitaire = [](std::int32_t number) {
    return number == kNoSolitaire || (number >= 0 && number < kMaxGames);
};
constexpr auto isTerminated = [](const std::array<char16_t, kLastEnteredNameUnits>& name) {
    return std::find(name.begin(), name.end(), u'\0') != name.end();
};

// Every field of fixed size, in stored order, with its value name, the type
// it is written with and the check a loaded value must pass. P is Preferences
// or const Preferences.
template <class P, class Visit>
void visitFixedFields(P& p, Visit&& visit)
{
    visit("timedGame", ValueType::binary, p.timedGame, isFlag);
    visit("timeLimit", ValueType::dword, p.timeLimit, isTimeLimit);
    visit("animation", ValueType::binary, p.animation, isFlag);
    visit("playMode", ValueType::binary, p.playMode, isPlayMode);
    visit("bgColor", ValueType::dword, p.bgColor, anyValue);
    visit("softkeyMenu", ValueType::binary, p.softkeyMenu, isFlag);
    visit("cardBack", ValueType::dword, p.cardBack, isCardBack);
    visit("showTimer", ValueType::binary, p.showTimer, isFlag);
    visit("curSolId", ValueType::dword, p.curSolId, isSolitaire);
    visit("curSolitaireId", ValueType::dword, p.curSolitaireId, isSolitaire);
    visit("curGameNumber", ValueType::dword, p.curGameNumber, anyValue);
    visit("lastEnteredName", ValueType::none, p.lastEnteredName, isTerminated);
    visit(kSlotTimesValue, ValueType::none, p.lastPlayed, anyValue);
    visit("filterCat", ValueType::dword, p.filterCat, anyValue);
    visit("filterSkill", ValueType::dword, p.filterSkill, anyValue);
    visit("filterTime", ValueType::dword, p.filterTime, anyValue);
    visit("filterLetter", ValueType::dword, p.filterLetter, anyValue);
    visit("filterFav", ValueType::binary, p.filterFav, isFlag);
}

// The stored list, or the empty list when the count is missing, 0 or more
// than there are games, or the list is not exactly count ids long. False
// when the store did not answer.
bool readFavourites(OpenedKey& key, FavouritesList& favourites)
{
    std::uint32_t count = 0;
    const ValueRead counted = key.readExact(kFavouritesCountValue, &count, sizeof count);
    if (counted == ValueRead::failed)
        return false;
    favourites = {};
    if (counted != ValueRead::ok || count == 0 || count > static_cast<std::uint32_t>(kMaxGames))
        return true;
    std::vector<SolitaireId> elements(count);
    const ValueRead listed = key.readExact(kFavouritesValue, elements.data(), count * sizeof(SolitaireId));
    if (listed == ValueRead::ok)
        favourites = FavouritesList(elements);
    return listed != ValueRead::failed;
}

// Reads every field from the open key; false, with the record partly read,
// when the store did not answer.
bool readAll(OpenedKey& key, Preferences& preferences)
{
    bool answered = true;
    visitFixedFields(preferences, [&](const char* name, ValueType, auto& field, auto isValid) {
        auto value = field;
        const ValueRead read = answered ? key.readExact(name, &value, sizeof value) : ValueRead::failed;
        answered = read != ValueRead::failed;
        if (read == ValueRead::ok && isValid(value))
            field = value;
    });
    return answered && readFavourites(key, preferences.favourites);
}

// All values in one commit, so that a crash or a refused write never leaves
// some of them from one save and the rest (a count and its list) from another.
bool writeAll(const Preferences& preferences, CreatedKey& key)
{
    std::vector<ValueWrite> values;
    visitFixedFields(preferences, [&](const char* name, ValueType type, const auto& field, auto) {
        values.push_back({name, type, &field, sizeof field});
    });
    const FavouritesList& favourites = preferences.favourites;
    const std::uint32_t count = favourites.count();
    values.push_back({kFavouritesCountValue, ValueType::dword, &count, sizeof count});
    values.push_back({kFavouritesValue, ValueType::binary, favourites.elements().data(),
                      static_cast<std::uint32_t>(count * sizeof(SolitaireId))});
    return key.writeAll(values);
}

}  // namespace

Preferences LoadPreferences(Registry& registry, std::string_view storeRoot, PreferencesOrigin* origin)
{
    PreferencesOrigin found = PreferencesOrigin::stored;
    Preferences preferences;
    {
        // Opened for reading only: a store that another process is writing
        // to can still be read.
        OpenedKey key(registry, preferencesPath(storeRoot));
        if (key.status() == RegistryStatus::notFound) {
            found = PreferencesOrigin::created;
        } else if (key.status() != RegistryStatus::ok || !readAll(key, preferences)) {
            found = PreferencesOrigin::unreadable;
            preferences = Preferences{};
        }
    }
    if (found == PreferencesOrigin::created) {
        CreatedKey key(registry, preferencesPath(storeRoot));
        if (key.wasCreated())
            writeAll(preferences, key);
    }
    if (origin)
        *origin = found;
    return preferences;
}

bool SavePreferences(const Preferences& preferences, Registry& registry, std::string_view storeRoot)
{
    CreatedKey key(registry, preferencesPath(storeRoot));
    return writeAll(preferences, key);
}

bool SaveSlotTimes(const Preferences& preferences, Registry& registry, std::string_view storeRoot)
{
    CreatedKey key(registry, preferencesPath(storeRoot));
    return key.write(kSlotTimesValue, ValueType::none, &preferences.lastPlayed, sizeof preferences.lastPlayed);
}

std::u16string_view lastEnteredName(const Preferences& preferences)
{
    const auto& units = preferences.lastEnteredName;
    const auto end = std::find(units.begin(), units.end(), u'\0');
    return {units.data(), static_cast<std::size_t>(end - units.begin())};
}

void setLastEnteredName(Preferences& preferences, std::u16string_view name)
{
    std::size_t length = std::min<std::size_t>(name.size(), kLastEnteredNameUnits - 1);
    const auto isHighSurrogate = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    if (length > 0 && length < name.size() && isHighSurrogate(name[length - 1]))
        --length;
    auto& units = preferences.lastEnteredName;
    units.fill(u'\0');
    std::copy_n(name.begin(), length, units.begin());
}

std::uint32_t rgbFromStoredColour(std::uint32_t bgr)
{
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

std::uint32_t storedColourFromRgb(std::uint32_t rgb)
{
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

std::uint32_t backgroundRgb(const Preferences& preferences)
{
    return rgbFromStoredColour(preferences.bgColor);
}

void setBackgroundRgb(Preferences& preferences, std::uint32_t rgb)
{
    preferences.bgColor = storedColourFromRgb(rgb);
}

}  // namespace velmora
