// The best-times record through the real store: qualification and insertion
// order, the stored bytes, damaged and refused records, and the names kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "best_times.h"
#include "faulty_registry.h"
#include "registry_values.h"
#include "store_fixture.h"
#include "utf16_text.h"

namespace velmora {
namespace {

using namespace velmora::testing;
using ByteList = std::vector<std::uint8_t>;

const std::string kRoot = storeRoot("Velmora");
const std::string kKlondikeKey = "SOFTWARE\\Trelk Software\\Velmora\\Velmora\\bestScores\\Klondike";

class BestTimesTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store = openStore();
    }

    BestTimesLocation klondike() { return bestTimesLocation(*store, kRoot, "Klondike"); }

    // The seconds of every entry, top to bottom.
    static std::vector<std::uint32_t> times(const BestTimes& record)
    {
        std::vector<std::uint32_t> seconds;
        for (const BestTimeEntry& entry : record.entries)
            seconds.push_back(entry.seconds);
        return seconds;
    }

    static std::vector<std::u16string> names(const BestTimes& record)
    {
        std::vector<std::u16string> result;
        for (const BestTimeEntry& entry : record.entries)
            result.emplace_back(entryName(entry));
        return result;
    }

    std::unique_ptr<RegistryStore> store;
};

TEST_F(BestTimesTest, FirstWinGoesToTheTopAndEqualTimesQueueBehind)
{
    BestTimes record = LoadBestTimes(klondike());
    EXPECT_EQ(record, BestTimes{});
    ASSERT_TRUE(QualifiesForBestTimes(record, 4000));
    EXPECT_TRUE(InsertBestTime(record, u"Ann", 4000, klondike()));
    EXPECT_TRUE(InsertBestTime(record, u"Bob", 90, klondike()));
    EXPECT_TRUE(InsertBestTime(record, u"Cid", 90, klondike()));
    EXPECT_TRUE(InsertBestTime(record, u"Dee", 4000, klondike()));
    EXPECT_EQ(times(record), (std::vector<std::uint32_t>{90, 90, 4000, 4000, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(names(record)[0], u"Bob");
    EXPECT_EQ(names(record)[1], u"Cid");
    EXPECT_EQ(names(record)[3], u"Dee");
    EXPECT_EQ(LoadBestTimes(klondike()), record);
}

TEST_F(BestTimesTest, AFullListTakesOnlyFasterTimesAndDropsItsSlowest)
{
    BestTimes record = LoadBestTimes(klondike());
    for (std::uint32_t seconds : {95, 30, 40, 50, 60, 70, 80, 85, 90, 20})
        ASSERT_TRUE(InsertBestTime(record, u"P" + std::u16string(1, char16_t(u'0' + seconds / 10)), seconds,
                                   klondike()));
    ASSERT_EQ(times(record), (std::vector<std::uint32_t>{20, 30, 40, 50, 60, 70, 80, 85, 90, 95}));

    EXPECT_FALSE(QualifiesForBestTimes(record, 95));
    EXPECT_FALSE(QualifiesForBestTimes(record, 600));
    const BestTimes full = record;
    EXPECT_FALSE(InsertBestTime(record, u"Late", 95, klondike()));
    EXPECT_EQ(record, full);

    ASSERT_TRUE(QualifiesForBestTimes(record, 94));
    EXPECT_TRUE(InsertBestTime(record, u"Quick", 94, klondike()));
    EXPECT_EQ(times(record), (std::vector<std::uint32_t>{20, 30, 40, 50, 60, 70, 80, 85, 90, 94}));
    EXPECT_EQ(names(record)[9], u"Quick");

    // A new best moves everything down by one.
    EXPECT_TRUE(InsertBestTime(record, u"Best", 5, klondike()));
    EXPECT_EQ(times(record), (std::vector<std::uint32_t>{5, 20, 30, 40, 50, 60, 70, 80, 85, 90}));
    EXPECT_EQ(names(record)[1], u"P2");
    EXPECT_EQ(LoadBestTimes(klondike()), record);
}

TEST_F(BestTimesTest, TheRecordIsStoredAsItsBytesUnderTheGamesKey)
{
    BestTimes record = LoadBestTimes(klondike());
    // Loading a game never seen writes the empty record at once.
    std::optional<StoredValue> data = readValue(*store, kKlondikeKey, "data");
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->type, ValueType::dword);
    EXPECT_EQ(data->bytes, ByteList(360, 0));

    ASSERT_TRUE(InsertBestTime(record, u"\u00c9va", 0x01020304, klondike()));
    data = readValue(*store, kKlondikeKey, "data");
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->type, ValueType::dword);
    ByteList expected(360, 0);
    expected[0] = 0xC9;
    expected[2] = 'v';
    expected[4] = 'a';
    expected[32] = 0x04, expected[33] = 0x03, expected[34] = 0x02, expected[35] = 0x01;
    EXPECT_EQ(data->bytes, expected);

    // Names are keyed without their top bits, as the statistics are.
    LoadBestTimes(bestTimesLocation(*store, kRoot, "Caf\xE9"));
    EXPECT_TRUE(keyExists(*store, "SOFTWARE\\Trelk Software\\Velmora\\Velmora\\bestScores\\Cafi"));

    EXPECT_TRUE(ClearBestTimes(record, klondike()));
    EXPECT_EQ(record, BestTimes{});
    EXPECT_EQ(readValue(*store, kKlondikeKey, "data")->bytes, ByteList(360, 0));
}

TEST_F(BestTimesTest, DamagedRecordsReadAsEmptyAndAreWrittenEmpty)
{
    ByteList good(360, 0);
    good[0] = 'Z';
    good[32] = 50;
    for (const ByteList& damaged : {ByteList(359, 7), ByteList(361, 7), ByteList{}}) {
        writeValue(*store, kKlondikeKey, "data", ValueType::binary, damaged);
        EXPECT_EQ(LoadBestTimes(klondike()), BestTimes{}) << damaged.size();
        EXPECT_EQ(readValue(*store, kKlondikeKey, "data")->bytes, ByteList(360, 0));
    }
    // Only the size counts, not the type.
    writeValue(*store, kKlondikeKey, "data", ValueType::none, good);
    EXPECT_EQ(times(LoadBestTimes(klondike()))[0], 50u);
}

BestTimeEntry entry(std::u16string_view name, std::uint32_t seconds)
{
    BestTimeEntry e;
    std::copy(name.begin(), name.end(), e.name.begin());
    e.seconds = seconds;
    return e;
}

ByteList bytesOf(const BestTimes& record)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    return ByteList(bytes, bytes + sizeof record);
}

TEST_F(BestTimesTest, DamagedEntriesAreMendedOneByOneAndTheMendedRecordIsWritten)
{
    BestTimes stored;
    stored.entries[0] = entry(u"Cid", 90);
    stored.entries[2] = entry(u"Ann", 30);
    stored.entries[3] = entry(u"abcdefghijklmnop", 20);  // all 16 units used: no terminator
    stored.entries[4] = entry(u"Dee", 90);
    stored.entries[5] = entry(u"Zed", 0);  // no time: an empty slot, whatever its name
    stored.entries[6] = entry(u"Bob", 60);
    writeValue(*store, kKlondikeKey, "data", ValueType::dword, bytesOf(stored));

    const BestTimes loaded = LoadBestTimes(klondike());
    EXPECT_EQ(times(loaded), (std::vector<std::uint32_t>{30, 60, 90, 90, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(names(loaded),
              (std::vector<std::u16string>{u"Ann", u"Bob", u"Cid", u"Dee", u"", u"", u"", u"", u"", u""}));
    for (std::size_t empty = 4; empty < kBestTimesEntries; ++empty)
        EXPECT_EQ(loaded.entries[empty], BestTimeEntry{}) << empty;
    EXPECT_EQ(readValue(*store, kKlondikeKey, "data")->bytes, bytesOf(loaded));

    // The mended list takes new times in their places.
    BestTimes record = loaded;
    ASSERT_TRUE(InsertBestTime(record, u"Eve", 45, klondike()));
    EXPECT_EQ(times(record), (std::vector<std::uint32_t>{30, 45, 60, 90, 90, 0, 0, 0, 0, 0}));

    // A list with nothing but a name without terminator reads as empty.
    BestTimes unterminated;
    unterminated.entries[0] = entry(u"abcdefghijklmnop", 10);
    writeValue(*store, kKlondikeKey, "data", ValueType::dword, bytesOf(unterminated));
    EXPECT_EQ(LoadBestTimes(klondike()), BestTimes{});
    EXPECT_EQ(readValue(*store, kKlondikeKey, "data")->bytes, ByteList(360, 0));
}

TEST_F(BestTimesTest, ATimeOfZeroCountsAsAnEmptySlot)
{
    BestTimes record = LoadBestTimes(klondike());
    ASSERT_TRUE(InsertBestTime(record, u"Ann", 70, klondike()));
    // A deal won by the deal's own moves takes no time: it goes to the top
    // and from then on is an empty slot that the next time fills.
    ASSERT_TRUE(QualifiesForBestTimes(record, 0));
    ASSERT_TRUE(InsertBestTime(record, u"Zed", 0, klondike()));
    EXPECT_EQ(times(record), (std::vector<std::uint32_t>{0, 70, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(record.entries[0].isEmpty());
    ASSERT_TRUE(InsertBestTime(record, u"Bob", 80, klondike()));
    EXPECT_EQ(times(record), (std::vector<std::uint32_t>{80, 0, 70, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(names(record)[0], u"Bob");
}

TEST_F(BestTimesTest, NamesKeepAtMostFifteenUnitsAndNeverHalfACharacter)
{
    BestTimes record = LoadBestTimes(klondike());
    ASSERT_TRUE(InsertBestTime(record, u"abcdefghijklmnopqrst", 10, klondike()));
    EXPECT_EQ(entryName(record.entries[0]), u"abcdefghijklmno");
    // A character outside the basic plane that would straddle the limit is left out.
    const std::u16string straddling = u"abcdefghijklmn\U0001F600";
    ASSERT_TRUE(InsertBestTime(record, straddling, 10, klondike()));
    EXPECT_EQ(entryName(record.entries[1]), u"abcdefghijklmn");
    // A longer name leaves nothing of itself behind in the next entry's units.
    ASSERT_TRUE(InsertBestTime(record, u"ab", 5, klondike()));
    EXPECT_EQ(record.entries[0].name, (std::array<char16_t, 16>{u'a', u'b'}));
}

TEST_F(BestTimesTest, RefusedWritesAreReportedAndLeaveTheStoreAsItWas)
{
    BestTimes record = LoadBestTimes(klondike());
    ASSERT_TRUE(InsertBestTime(record, u"Ann", 70, klondike()));
    FaultyRegistry faulty(*store);
    const BestTimesLocation failing = bestTimesLocation(faulty, kRoot, "Klondike");
    faulty.refusedWrites = {"data"};
    EXPECT_FALSE(InsertBestTime(record, u"Bob", 60, failing));
    EXPECT_FALSE(ClearBestTimes(record, failing));
    faulty.refuseKeys = true;
    EXPECT_EQ(LoadBestTimes(failing), BestTimes{});
    EXPECT_EQ(names(LoadBestTimes(klondike()))[0], u"Ann");
}

// A store that takes writes but gives no answer to a read (it failed, or
// was busy): the list reads as empty and is said to be unreadable, and the
// stored one is left as it was. A list that was read, missing or damaged
// included, is readable.
TEST_F(BestTimesTest, AListTheStoreCannotGiveReadsAsEmptyAndIsNeverWrittenOver)
{
    BestTimes record = LoadBestTimes(klondike());
    ASSERT_TRUE(InsertBestTime(record, u"Ann", 70, klondike()));
    const ByteList stored = readValue(*store, kKlondikeKey, "data")->bytes;
    FaultyRegistry faulty(*store);
    const BestTimesLocation failing = bestTimesLocation(faulty, kRoot, "Klondike");
    bool readable = true;
    faulty.refuseReads = true;
    for (const RegistryStatus refusal : {RegistryStatus::failed, RegistryStatus::busy}) {
        faulty.readRefusal = refusal;
        readable = true;
        EXPECT_EQ(LoadBestTimes(failing, &readable), BestTimes{});
        EXPECT_FALSE(readable);
        EXPECT_EQ(readValue(*store, kKlondikeKey, "data")->bytes, stored);
    }
    faulty.refuseReads = false;
    faulty.refuseKeys = true;
    readable = true;
    EXPECT_EQ(LoadBestTimes(failing, &readable), BestTimes{});
    EXPECT_FALSE(readable);

    faulty.refuseKeys = false;
    EXPECT_EQ(LoadBestTimes(failing, &readable), record);
    EXPECT_TRUE(readable);
    readable = false;
    EXPECT_EQ(LoadBestTimes(bestTimesLocation(faulty, kRoot, "Golf"), &readable), BestTimes{});
    EXPECT_TRUE(readable);
    writeValue(*store, kKlondikeKey, "data", ValueType::dword, ByteList(359, 7));
    readable = false;
    EXPECT_EQ(LoadBestTimes(failing, &readable), BestTimes{});
    EXPECT_TRUE(readable);
}

TEST(Utf16TextTest, ConvertsBothWaysAndReplacesMalformedInput)
{
    EXPECT_EQ(utf16FromUtf8("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"A\u00e9\u20ac\U0001F600");
    EXPECT_EQ(utf8FromUtf16(u"A\u00e9\u20ac\U0001F600"), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    // A cut sequence, an overlong form, an encoded surrogate, a stray byte.
    EXPECT_EQ(utf16FromUtf8("a\xE2\x82"), u"a\uFFFD\uFFFD");
    EXPECT_EQ(utf16FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(utf16FromUtf8("\xED\xA0\x80x"), u"\uFFFD\uFFFD\uFFFDx");
    EXPECT_EQ(utf16FromUtf8("\xFF"), u"\uFFFD");
    // Lone surrogates, a high one last.
    EXPECT_EQ(utf8FromUtf16(std::u16string{u'a', char16_t(0xDC00), u'b', char16_t(0xD800)}),
              "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

}  // namespace
}  // namespace velmora
