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

// What a stored value must hold to be taken; anything else is damage and the
// field keeps its default.
constexpr auto anyValue = [](const auto&) { return true; };
constexpr auto isFlag = [](std::uint8_t value) { return value <= 1; };
constexpr auto isTimeLimit = [](std::uint32_t minutes) {
    return minutes == 1 || minutes == 3 || minutes == 5 || minutes == 10;
};
constexpr auto isPlayMode = [](std::uint8_t mode) { return mode <= static_cast<std::uint8_t>(PlayMode::keyboardPileWise); };
constexpr auto isCardBack = [](std::uint32_t design) { return design <= 3; };
constexpr auto isSolitaire = [](std::int32_t index) {
    return index == kNoSolitaire || (index >= 0 && index < kMaxGames);
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
    visit("curGameNumber", ValueType::dword, p.curGameNumber, anyValue);
    visit("lastEnteredName", ValueType::none, p.lastEnteredName, isTerminated);
    visit("lastPlayed", ValueType::none, p.lastPlayed, anyValue);
    visit("filterCat", ValueType::dword, p.filterCat, anyValue);
    visit("filterSkill", ValueType::dword, p.filterSkill, anyValue);
    visit("filterTime", ValueType::dword, p.filterTime, anyValue);
    visit("filterLetter", ValueType::dword, p.filterLetter, anyValue);
    visit("filterFav", ValueType::binary, p.filterFav, isFlag);
}

// The stored list, or the empty list when the count is missing, 0 or more
// than there are games, or the list is not exactly count ids long.
FavouritesList readFavourites(CreatedKey& key)
{
    std::uint32_t count = 0;
    if (!key.readExact(kFavouritesCountValue, &count, sizeof count) || count == 0 ||
        count > static_cast<std::uint32_t>(kMaxGames))
        return {};
    std::vector<SolitaireId> elements(count);
    if (!key.readExact(kFavouritesValue, elements.data(), count * sizeof(SolitaireId)))
        return {};
    return FavouritesList(elements);
}

bool writeAll(const Preferences& preferences, CreatedKey& key)
{
    bool allWritten = true;
    visitFixedFields(preferences, [&](const char* name, ValueType type, const auto& field, auto) {
        allWritten = key.write(name, type, &field, sizeof field) && allWritten;
    });
    const FavouritesList& favourites = preferences.favourites;
    const std::uint32_t count = favourites.count();
    allWritten = key.write(kFavouritesCountValue, ValueType::dword, &count, sizeof count) && allWritten;
    allWritten = key.write(kFavouritesValue, ValueType::binary, favourites.elements().data(),
                           count * sizeof(SolitaireId)) &&
                 allWritten;
    return allWritten;
}

}  // namespace

Preferences LoadPreferences(Registry& registry, std::string_view storeRoot)
{
    Preferences preferences;
    CreatedKey key(registry, preferencesPath(storeRoot));
    if (key.wasCreated()) {
        writeAll(preferences, key);
        return preferences;
    }
    visitFixedFields(preferences, [&](const char* name, ValueType, auto& field, auto isValid) {
        auto value = field;
        if (key.readExact(name, &value, sizeof value) && isValid(value))
            field = value;
    });
    preferences.favourites = readFavourites(key);
    return preferences;
}

bool SavePreferences(const Preferences& preferences, Registry& registry, std::string_view storeRoot)
{
    CreatedKey key(registry, preferencesPath(storeRoot));
    return key.isOpen() && writeAll(preferences, key);
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

std::uint32_t backgroundRgb(const Preferences& preferences)
{
    const std::uint32_t bgr = preferences.bgColor;
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

void setBackgroundRgb(Preferences& preferences, std::uint32_t rgb)
{
    preferences.bgColor = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

}  // namespace velmora
