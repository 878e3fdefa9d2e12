#include "best_times.h"

#include <algorithm>
#include <bit>

#include "store_keys.h"

namespace velmora {
namespace {

static_assert(std::endian::native == std::endian::little, "the record is stored as its own bytes");

constexpr const char* kDataValue = "data";

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool writeRecord(CreatedKey& key, const BestTimes& record)
{
    // Type 4 (the 32-bit-number type) although the record is 360 bytes long,
    // as the record has always been stored; readers go by the size.
    return key.write(kDataValue, ValueType::dword, &record, sizeof record);
}

// The first entry that is empty or slower than seconds, or the end.
auto placeFor(BestTimes& record, std::uint32_t seconds)
{
    return std::find_if(record.entries.begin(), record.entries.end(), [seconds](const BestTimeEntry& entry) {
        return entry.isEmpty() || entry.seconds > seconds;
    });
}

void setName(BestTimeEntry& entry, std::u16string_view name)
{
    std::size_t length = std::min<std::size_t>(name.size(), kBestTimeNameLength);
    if (length > 0 && length < name.size() && isHighSurrogate(name[length - 1]))
        --length;
    entry.name.fill(u'\0');
    std::copy_n(name.begin(), length, entry.name.begin());
}

bool hasTerminator(const BestTimeEntry& entry)
{
    return std::find(entry.name.begin(), entry.name.end(), u'\0') != entry.name.end();
}

// The record with its damage mended entry by entry: a used entry whose name
// has no terminator is dropped, the used entries are put in order (equal
// times keep theirs) and the empty entries, cleared, follow them.
BestTimes soundRecord(const BestTimes& stored)
{
    BestTimes record;
    auto used = record.entries.begin();
    for (const BestTimeEntry& entry : stored.entries)
        if (!entry.isEmpty() && hasTerminator(entry))
            *used++ = entry;
    std::stable_sort(record.entries.begin(), used,
                     [](const BestTimeEntry& a, const BestTimeEntry& b) { return a.seconds < b.seconds; });
    return record;
}

}  // namespace

BestTimesLocation bestTimesLocation(Registry& registry, std::string_view storeRoot, std::string_view gameName)
{
    return BestTimesLocation{registry, bestTimesPath(storeRoot, gameName)};
}

BestTimes LoadBestTimes(const BestTimesLocation& location, bool* readable)
{
    BestTimes stored;
    CreatedKey key(location.registry, location.path);
    const ValueRead read = key.wasCreated() ? ValueRead::unusable : key.readExact(kDataValue, &stored, sizeof stored);
    if (readable)
        *readable = read != ValueRead::failed;
    // A list the store did not give may still be whole there: nothing is
    // written over it.
    if (read == ValueRead::failed)
        return BestTimes{};
    if (read == ValueRead::unusable) {
        stored = BestTimes{};
        writeRecord(key, stored);
        return stored;
    }
    const BestTimes record = soundRecord(stored);
    if (record != stored)
        writeRecord(key, record);
    return record;
}

bool SaveBestTimes(const BestTimes& record, const BestTimesLocation& location)
{
    CreatedKey key(location.registry, location.path);
    return writeRecord(key, record);
}

bool ClearBestTimes(BestTimes& record, const BestTimesLocation& location)
{
    record = BestTimes{};
    return SaveBestTimes(record, location);
}

bool QualifiesForBestTimes(const BestTimes& record, std::uint32_t seconds)
{
    return std::any_of(record.entries.begin(), record.entries.end(), [seconds](const BestTimeEntry& entry) {
        return entry.isEmpty() || entry.seconds > seconds;
    });
}

bool InsertBestTime(BestTimes& record, std::u16string_view name, std::uint32_t seconds,
                    const BestTimesLocation& location)
{
    const auto place = placeFor(record, seconds);
    if (place == record.entries.end())
        return false;
    // Everything from the place on moves one down; the last entry drops out.
    std::move_backward(place, record.entries.end() - 1, record.entries.end());
    place->seconds = seconds;
    setName(*place, name);
    return SaveBestTimes(record, location);
}

std::u16string_view entryName(const BestTimeEntry& entry)
{
    const auto end = std::find(entry.name.begin(), entry.name.end(), u'\0');
    return {entry.name.data(), static_cast<std::size_t>(end - entry.name.begin())};
}

}  // namespace velmora
