// The preferences through the real store: the first run, round trips with the
// stored bytes, missing and damaged values, and failing writes.
#include <gtest/gtest.h>

#include "faulty_registry.h"
#include "preferences.h"
#include "registry_values.h"
#include "store_fixture.h"
#include "store_lock.h"

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
    p.timedGame = 0, p.timeLimit = 10, p.animation = 0, p.playMode = 3, p.bgColor = 0x00123456;
    p.softkeyMenu = 1, p.cardBack = 2, p.showTimer = 0, p.curSolId = 117, p.curSolitaireId = 614;
    p.curGameNumber = 0xDEADBEEF;
    setLastEnteredName(p, u"Ann");
    p.lastPlayed[9] = 1700000000;
    p.filterCat = 7, p.filterSkill = 2, p.filterTime = 4, p.filterLetter = 26, p.filterFav = 1;
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
        return readValue(*store, kPrefs, name).value_or(StoredValue{ValueType::none, {0xBA, 0xD0}});
    }
    void plant(const std::string& name, const ByteList& bytes)
    {
        writeValue(*store, kPrefs, name, ValueType::binary, bytes);
    }

    std::unique_ptr<RegistryStore> store;
};

TEST_F(PreferencesTest, FirstRunCreatesTheKeyWithEveryDefault)
{
    PreferencesOrigin origin = PreferencesOrigin::stored;
    EXPECT_EQ(LoadPreferences(*store, kRoot, &origin), Preferences{});
    EXPECT_EQ(origin, PreferencesOrigin::created);
    for (const char* name : {"timedGame", "animation", "playMode", "softkeyMenu", "showTimer", "filterFav", "favList"})
        EXPECT_EQ(stored(name).type, ValueType::binary) << name;
    for (const char* name : {"timeLimit", "bgColor", "cardBack", "curSolId", "curSolitaireId", "curGameNumber", "filterCat",
                             "filterSkill", "filterTime", "filterLetter", "favNum"})
        EXPECT_EQ(stored(name).bytes.size(), 4u) << name;
    EXPECT_EQ(stored("lastEnteredName").type, ValueType::none);
    EXPECT_EQ(stored("lastEnteredName").bytes, ByteList(32, 0));
    EXPECT_EQ(stored("lastPlayed").bytes, ByteList(40, 0));
    EXPECT_EQ(stored("bgColor").type, ValueType::dword);
    EXPECT_EQ(stored("bgColor").bytes, (ByteList{0x00, 0x80, 0x00, 0x00}));
    EXPECT_EQ(stored("curSolId").bytes, (ByteList{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(stored("curSolitaireId").bytes, (ByteList{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(stored("timedGame").bytes, (ByteList{1}));
    EXPECT_EQ(stored("favNum").bytes, (ByteList{1, 0, 0, 0}));
    EXPECT_EQ(stored("favList").bytes, (ByteList{0xFF, 0xFF}));
}

TEST_F(PreferencesTest, SavedValuesLoadBackWithTheirExactBytes)
{
    LoadPreferences(*store, kRoot);
    const Preferences changed = changedPreferences();
    EXPECT_TRUE(SavePreferences(changed, *store, kRoot));
    EXPECT_EQ(LoadPreferences(*store, kRoot), changed);
    EXPECT_EQ(stored("curGameNumber").bytes, (ByteList{0xEF, 0xBE, 0xAD, 0xDE}));
    ByteList name(32, 0);
    name[0] = 'A', name[2] = 'n', name[4] = 'n';
    EXPECT_EQ(stored("lastEnteredName").bytes, name);
    EXPECT_EQ(stored("favList").bytes, (ByteList{0x66, 0x02, 0x00, 0x00}));
}

TEST_F(PreferencesTest, MissingAndDamagedValuesFallBackAlone)
{
    ByteList longName(34, 0);
    longName[0] = 'X';
    for (const auto& [name, bytes] : std::initializer_list<std::pair<const char*, ByteList>>{
             {"timedGame", {7}},               // not a flag
             {"curGameNumber", {9, 0}},        // too short
             {"animation", {0, 0}},            // too long
             {"playMode", {4}},                // no such mode
             {"cardBack", {4, 0, 0, 0}},       // no such design
             {"curSolId", {0x20, 0x03, 0, 0}}, // 800: no such game
             {"curSolitaireId", {0x20, 0x03, 0, 0}},
             {"lastEnteredName", longName},    // does not fit the 32-byte field
             {"filterFav", {}},
             // Good values, whatever type they were written with:
             {"softkeyMenu", {1}},
             {"timeLimit", {5, 0, 0, 0}},
             {"filterLetter", {3, 0, 0, 0}}})
        plant(name, bytes);
    Preferences expected;
    expected.softkeyMenu = 1, expected.timeLimit = 5, expected.filterLetter = 3;
    EXPECT_EQ(LoadPreferences(*store, kRoot), expected);
    EXPECT_FALSE(readValue(*store, kPrefs, "showTimer").has_value());  // nothing written back

    plant("lastEnteredName", ByteList(32, 'Z'));  // no terminator
    EXPECT_EQ(lastEnteredName(LoadPreferences(*store, kRoot)), u"");
}

TEST_F(PreferencesTest, FavouritesNeedACountAndAListOfThatLength)
{
    const auto loadedAfter = [&](const ByteList& count, const ByteList& list) {
        plant("favNum", count);
        plant("favList", list);
        return LoadPreferences(*store, kRoot).favourites;
    };
    EXPECT_EQ(loadedAfter({3, 0, 0, 0}, {1, 0, 2, 0, 3, 0}), FavouritesList(std::vector<SolitaireId>{1, 2, 3}));
    EXPECT_EQ(loadedAfter({3, 0, 0, 0}, {1, 0, 2, 0}), FavouritesList());
    EXPECT_EQ(loadedAfter({1, 0, 0, 0}, {1, 0, 2, 0}), FavouritesList());
    EXPECT_EQ(loadedAfter({0xFF, 0xFF, 0xFF, 0xFF}, {1, 0}), FavouritesList());
    EXPECT_EQ(loadedAfter({0, 0, 0, 0}, {}), FavouritesList());
    // A count of 0 is written back as the empty list.
    EXPECT_TRUE(SavePreferences(LoadPreferences(*store, kRoot), *store, kRoot));
    EXPECT_EQ(stored("favNum").bytes, (ByteList{1, 0, 0, 0}));
    EXPECT_EQ(stored("favList").bytes, (ByteList{0xFF, 0xFF}));
}

// The values are saved in one commit: a refused write keeps every stored
// value as it was, so a count and its list never come from two saves.
TEST_F(PreferencesTest, ARefusedSaveKeepsEveryStoredValue)
{
    LoadPreferences(*store, kRoot);
    const Preferences before = changedPreferences();
    ASSERT_TRUE(SavePreferences(before, *store, kRoot));
    FaultyRegistry faulty(*store);
    faulty.refusedWrites = {"favList"};
    Preferences changed = before;
    changed.timeLimit = 1;
    changed.favourites.add(3);
    EXPECT_FALSE(SavePreferences(changed, faulty, kRoot));
    EXPECT_EQ(LoadPreferences(*store, kRoot), before);

    faulty.refuseKeys = true;
    PreferencesOrigin origin = PreferencesOrigin::stored;
    EXPECT_EQ(LoadPreferences(faulty, kRoot, &origin), Preferences{});
    EXPECT_EQ(origin, PreferencesOrigin::unreadable);
    EXPECT_FALSE(SavePreferences(changed, faulty, kRoot));
}

// Another program writing to the store does not keep the preferences from
// being read. A store that does not answer reads gives defaults marked as
// unreadable.
TEST_F(PreferencesTest, ABusyStoreIsReadWithoutAWriteLock)
{
    LoadPreferences(*store, kRoot);
    const Preferences changed = changedPreferences();
    ASSERT_TRUE(SavePreferences(changed, *store, kRoot));
    store.reset();
    std::string error;
    store = RegistryStore::open(pathOf("store.db"), error, 20);
    ASSERT_NE(store, nullptr) << error;

    PreferencesOrigin origin = PreferencesOrigin::unreadable;
    StoreWriteLock writer(pathOf("store.db"));
    EXPECT_EQ(LoadPreferences(*store, kRoot, &origin), changed);
    EXPECT_EQ(origin, PreferencesOrigin::stored);
    EXPECT_FALSE(SavePreferences(Preferences{}, *store, kRoot));  // the writer holds it
    writer.release();

    FaultyRegistry faulty(*store);
    faulty.refuseReads = true;
    EXPECT_EQ(LoadPreferences(faulty, kRoot, &origin), Preferences{});
    EXPECT_EQ(origin, PreferencesOrigin::unreadable);
    EXPECT_EQ(LoadPreferences(*store, kRoot, &origin), changed);
    EXPECT_EQ(origin, PreferencesOrigin::stored);
}

TEST_F(PreferencesTest, OnlyTheSlotTimesAreWrittenAlone)
{
    LoadPreferences(*store, kRoot);
    Preferences changed = changedPreferences();
    changed.lastPlayed[3] = 1234;
    EXPECT_TRUE(SaveSlotTimes(changed, *store, kRoot));
    Preferences expected;
    expected.lastPlayed = changed.lastPlayed;
    EXPECT_EQ(LoadPreferences(*store, kRoot), expected);
}

TEST(PreferenceFields, LastEnteredNameKeepsFifteenUnitsAndWholeCharacters)
{
    Preferences p;
    setLastEnteredName(p, u"A name far longer than fifteen");
    EXPECT_EQ(lastEnteredName(p), u"A name far long");
    setLastEnteredName(p, u"abcdefghijklmn\U0001F600");  // the pair would be units 15 and 16
    EXPECT_EQ(lastEnteredName(p), u"abcdefghijklmn");
    setLastEnteredName(p, u"Bo");
    EXPECT_EQ(p.lastEnteredName[2], u'\0');
    EXPECT_EQ(p.lastEnteredName[14], u'\0');
}

}  // namespace
}  // namespace velmora
