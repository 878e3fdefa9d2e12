// The preferences through the real store: the first run, round trips with the
// exact stored bytes, missing and damaged values, and failing writes.
#include <gtest/gtest.h>

#include "faulty_registry.h"
#include "last_played_times.h"
#include "preferences.h"
#include "registry_values.h"
#include "store_fixture.h"
#include "store_keys.h"

namespace velmora {
namespace {

using namespace velmora::testing;
using ByteList = std::vector<std::uint8_t>;

const std::string kRoot = storeRoot("Velmora");
const std::string kPrefs = "SOFTWARE\\Trelk Software\\Velmora\\Velmora\\prefs";

// Every field away from its default.
Preferences changedPreferences()
{
    Preferences p;
    p.timedGame = 0;
    p.timeLimit = 10;
    p.animation = 0;
    p.playMode = static_cast<std::uint8_t>(PlayMode::keyboardPileWise);
    p.bgColor = 0x00123456;
    p.softkeyMenu = 1;
    p.cardBack = 2;
    p.showTimer = 0;
    p.curSolId = 117;
    p.curGameNumber = 0xDEADBEEF;
    setLastEnteredName(p, u"Ann");
    p.lastPlayed[0] = 1;
    p.lastPlayed[9] = 1700000000;
    p.filterCat = 7;
    p.filterSkill = 2;
    p.filterTime = 4;
    p.filterLetter = 26;
    p.filterFav = 1;
    p.favourites.add(614);
    p.favourites.add(0);
    return p;
}

class PreferencesTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store = openStore();
    }

    StoredValue stored(const std::string& name)
    {
        const std::optional<StoredValue> value = readValue(*store, kPrefs, name);
        EXPECT_TRUE(value.has_value()) << name;
        return value.value_or(StoredValue{ValueType::none, {}});
    }

    void plant(const std::string& name, ValueType type, const ByteList& bytes)
    {
        writeValue(*store, kPrefs, name, type, bytes);
    }

    std::unique_ptr<RegistryStore> store;
};

TEST_F(PreferencesTest, FirstRunCreatesTheKeyWithEveryDefault)
{
    const Preferences loaded = LoadPreferences(*store, kRoot);
    EXPECT_EQ(loaded, Preferences{});
    EXPECT_EQ(loaded.curSolId, -1);
    EXPECT_TRUE(loaded.favourites.isEmpty());

    const struct {
        const char* name;
        ValueType type;
        ByteList bytes;
    } expected[] = {
        {"timedGame", ValueType::binary, {1}},
        {"timeLimit", ValueType::dword, {3, 0, 0, 0}},
        {"animation", ValueType::binary, {1}},
        {"playMode", ValueType::binary, {1}},
        {"bgColor", ValueType::dword, {0x00, 0x80, 0x00, 0x00}},
        {"softkeyMenu", ValueType::binary, {0}},
        {"cardBack", ValueType::dword, {0, 0, 0, 0}},
        {"showTimer", ValueType::binary, {1}},
        {"curSolId", ValueType::dword, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"curGameNumber", ValueType::dword, {0, 0, 0, 0}},
        {"lastEnteredName", ValueType::none, ByteList(32, 0)},
        {"lastPlayed", ValueType::none, ByteList(40, 0)},
        {"filterCat", ValueType::dword, {0, 0, 0, 0}},
        {"filterSkill", ValueType::dword, {0, 0, 0, 0}},
        {"filterTime", ValueType::dword, {0, 0, 0, 0}},
        {"filterLetter", ValueType::dword, {0, 0, 0, 0}},
        {"filterFav", ValueType::binary, {0}},
        {"favNum", ValueType::dword, {1, 0, 0, 0}},
        {"favList", ValueType::binary, {0xFF, 0xFF}},
    };
    for (const auto& value : expected) {
        const StoredValue found = stored(value.name);
        EXPECT_EQ(found.type, value.type) << value.name;
        EXPECT_EQ(found.bytes, value.bytes) << value.name;
    }
}

TEST_F(PreferencesTest, SavedValuesLoadBackWithTheirExactBytes)
{
    LoadPreferences(*store, kRoot);
    const Preferences changed = changedPreferences();
    EXPECT_TRUE(SavePreferences(changed, *store, kRoot));
    EXPECT_EQ(LoadPreferences(*store, kRoot), changed);

    EXPECT_EQ(stored("timeLimit").bytes, (ByteList{10, 0, 0, 0}));
    EXPECT_EQ(stored("curGameNumber").bytes, (ByteList{0xEF, 0xBE, 0xAD, 0xDE}));
    ByteList name(32, 0);
    name[0] = 'A';
    name[2] = 'n';
    name[4] = 'n';
    EXPECT_EQ(stored("lastEnteredName").bytes, name);
    EXPECT_EQ(stored("lastPlayed").bytes.at(36), 0x00);
    EXPECT_EQ(stored("lastPlayed").bytes.at(39), 0x65);  // 1700000000 = 0x6553F100
    EXPECT_EQ(stored("favNum").bytes, (ByteList{2, 0, 0, 0}));
    EXPECT_EQ(stored("favList").bytes, (ByteList{0x66, 0x02, 0x00, 0x00}));
}

TEST_F(PreferencesTest, MissingValuesTakeDefaultsAndAreNotWrittenBack)
{
    plant("timeLimit", ValueType::dword, {5, 0, 0, 0});
    plant("curSolId", ValueType::dword, {42, 0, 0, 0});
    const Preferences loaded = LoadPreferences(*store, kRoot);
    Preferences expected;
    expected.timeLimit = 5;
    expected.curSolId = 42;
    EXPECT_EQ(loaded, expected);
    EXPECT_FALSE(readValue(*store, kPrefs, "animation").has_value());
    EXPECT_FALSE(readValue(*store, kPrefs, "favList").has_value());
}

TEST_F(PreferencesTest, TheStoredTypeIsIgnoredOnlyTheSizeCounts)
{
    plant("timeLimit", ValueType::binary, {1, 0, 0, 0});
    plant("showTimer", ValueType::dword, {0});
    const Preferences loaded = LoadPreferences(*store, kRoot);
    EXPECT_EQ(loaded.timeLimit, 1u);
    EXPECT_EQ(loaded.showTimer, 0);
}

TEST_F(PreferencesTest, DamagedValuesFallBackAloneAndSpareTheOthers)
{
    ByteList longName(34, 0);
    longName[0] = 'X';
    ByteList unterminated;
    for (int i = 0; i < 16; ++i)
        unterminated.insert(unterminated.end(), {'Z', 0});
    const struct {
        const char* name;
        ByteList bytes;
    } damaged[] = {
        {"timedGame", {7}},                      // not a flag
        {"timeLimit", {3, 0}},                   // too short
        {"animation", {0, 0}},                   // too long
        {"playMode", {4}},                       // no such mode
        {"cardBack", {4, 0, 0, 0}},              // no such design
        {"curSolId", {0x20, 0x03, 0, 0}},        // 800: no such game
        {"lastEnteredName", longName},           // does not fit the 32-byte field
        {"lastPlayed", ByteList(44, 1)},         // eleven slots
        {"filterFav", {}},                       // empty
    };
    for (const auto& value : damaged)
        plant(value.name, ValueType::binary, value.bytes);
    plant("softkeyMenu", ValueType::binary, {1});
    plant("curGameNumber", ValueType::dword, {9, 0, 0, 0});
    plant("filterLetter", ValueType::dword, {3, 0, 0, 0});

    Preferences loaded = LoadPreferences(*store, kRoot);
    Preferences expected;
    expected.softkeyMenu = 1;
    expected.curGameNumber = 9;
    expected.filterLetter = 3;
    EXPECT_EQ(loaded, expected);

    plant("lastEnteredName", ValueType::none, unterminated);
    loaded = LoadPreferences(*store, kRoot);
    EXPECT_EQ(lastEnteredName(loaded), u"");
}

TEST_F(PreferencesTest, FavouritesNeedACountAndAListOfThatLength)
{
    const auto favouritesAfter = [&](const ByteList& count, const ByteList& list) {
        plant("favNum", ValueType::dword, count);
        plant("favList", ValueType::binary, list);
        const FavouritesList loaded = LoadPreferences(*store, kRoot).favourites;
        return std::vector<SolitaireId>(loaded.elements().begin(), loaded.elements().end());
    };
    const std::vector<SolitaireId> empty{kNoFavourite};
    EXPECT_EQ(favouritesAfter({3, 0, 0, 0}, {1, 0, 2, 0, 3, 0}), (std::vector<SolitaireId>{1, 2, 3}));
    EXPECT_EQ(favouritesAfter({0, 0, 0, 0}, {1, 0}), empty);
    EXPECT_EQ(favouritesAfter({3, 0, 0, 0}, {1, 0, 2, 0}), empty);
    EXPECT_EQ(favouritesAfter({1, 0, 0, 0}, {1, 0, 2, 0}), empty);
    EXPECT_EQ(favouritesAfter({0xFF, 0xFF, 0xFF, 0xFF}, {1, 0}), empty);
    EXPECT_EQ(favouritesAfter({1, 0}, {1, 0}), empty);
}

TEST_F(PreferencesTest, ACountOfZeroIsWrittenBackAsTheEmptyList)
{
    plant("favNum", ValueType::dword, {0, 0, 0, 0});
    plant("favList", ValueType::binary, {});
    EXPECT_TRUE(SavePreferences(LoadPreferences(*store, kRoot), *store, kRoot));
    EXPECT_EQ(stored("favNum").bytes, (ByteList{1, 0, 0, 0}));
    EXPECT_EQ(stored("favList").bytes, (ByteList{0xFF, 0xFF}));
}

TEST_F(PreferencesTest, AFailedWriteLosesOnlyThatValue)
{
    LoadPreferences(*store, kRoot);
    FaultyRegistry faulty(*store);
    faulty.refusedWrites = {"timeLimit", "favList"};
    const Preferences changed = changedPreferences();
    EXPECT_FALSE(SavePreferences(changed, faulty, kRoot));

    const Preferences loaded = LoadPreferences(*store, kRoot);
    Preferences expected = changed;
    expected.timeLimit = 3;           // the value written before
    expected.favourites = {};         // two ids counted, one stored: not taken
    EXPECT_EQ(loaded, expected);
}

TEST_F(PreferencesTest, AnUnusableStoreGivesDefaultsAndWritesNothing)
{
    FaultyRegistry faulty(*store);
    faulty.refuseKeys = true;
    EXPECT_EQ(LoadPreferences(faulty, kRoot), Preferences{});
    EXPECT_FALSE(SavePreferences(changedPreferences(), faulty, kRoot));
    EXPECT_FALSE(keyExists(*store, kPrefs));
}

TEST(PreferenceFields, LastEnteredNameKeepsFifteenUnitsAndWholeCharacters)
{
    Preferences p;
    setLastEnteredName(p, u"A name far longer than fifteen");
    EXPECT_EQ(lastEnteredName(p), u"A name far long");
    EXPECT_EQ(p.lastEnteredName[15], u'\0');

    std::u16string emoji = u"abcdefghijklmn\U0001F600";  // the pair would be units 15 and 16
    setLastEnteredName(p, emoji);
    EXPECT_EQ(lastEnteredName(p), u"abcdefghijklmn");
    setLastEnteredName(p, u"Bo");
    EXPECT_EQ(lastEnteredName(p), u"Bo");
    EXPECT_EQ(p.lastEnteredName[3], u'\0');
}

TEST(PreferenceFields, BackgroundColourIsStoredBlueGreenRed)
{
    Preferences p;
    EXPECT_EQ(backgroundRgb(p), 0x008000u);
    setBackgroundRgb(p, 0x112233);
    EXPECT_EQ(p.bgColor, 0x00332211u);
    EXPECT_EQ(backgroundRgb(p), 0x112233u);
}

TEST(PreferenceFields, SlotTimesLiveInLastPlayed)
{
    Preferences p;
    LastPlayedTimes times(p);
    times.setSaveTime(9, 77);
    times.setSaveTime(10, 5);
    times.setSaveTime(-1, 5);
    EXPECT_EQ(p.lastPlayed[9], 77u);
    EXPECT_EQ(times.saveTime(9), 77u);
    EXPECT_EQ(times.saveTime(10), 0u);
    EXPECT_EQ(std::count(p.lastPlayed.begin(), p.lastPlayed.end(), 5u), 0);
}

}  // namespace
}  // namespace velmora
