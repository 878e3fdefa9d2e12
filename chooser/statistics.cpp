#include "statistics.h"

#include <bit>
#include <limits>
#include <optional>

#include "store_keys.h"

namespace velmora {
namespace {

static_assert(std::endian::native == std::endian::little, "the record is stored as its own bytes");

constexpr const char* kDataValue = "data";

template <class T>
T saturatingAdd(T value, T increment)
{
    const T room = std::numeric_limits<T>::max() - value;
    return increment > room ? std::numeric_limits<T>::max() : static_cast<T>(value + increment);
}

// The stored record, or zeros when the key was new or its value is missing,
// not 8 bytes long or damaged: more games won than played cannot happen, as
// the counters stop at their limit together. Nothing when the store did not
// answer: the record it holds is unknown, and may well be whole.
std::optional<StatisticsRecord> readRecord(CreatedKey& key)
{
    if (key.wasCreated())
        return StatisticsRecord{};
    StatisticsRecord record;
    const ValueRead read = key.readExact(kDataValue, &record, sizeof record);
    if (read == ValueRead::failed)
        return std::nullopt;
    if (read == ValueRead::ok && record.gamesWon <= record.gamesPlayed)
        return record;
    return StatisticsRecord{};
}

bool writeRecord(CreatedKey& key, const StatisticsRecord& record)
{
    // Type 4 (the 32-bit-number type) although the record is 8 bytes long,
    // as the record has always been stored; readers go by the size.
    return key.write(kDataValue, ValueType::dword, &record, sizeof record);
}

}  // namespace

StatisticsRecord withGame(StatisticsRecord record, bool won, std::uint32_t seconds)
{
    record.gamesPlayed = saturatingAdd<std::uint16_t>(record.gamesPlayed, 1);
    if (won)
        record.gamesWon = saturatingAdd<std::uint16_t>(record.gamesWon, 1);
    record.totalSeconds = saturatingAdd(record.totalSeconds, seconds);
    return record;
}

StatisticsStore::StatisticsStore(Registry& registry, std::string storeRoot)
    : registry_(registry), root_(std::move(storeRoot))
{
}

bool StatisticsStore::recordPlay(std::string_view gameName, bool won, std::uint32_t seconds)
{
    // A record the store could not give is left as it is: this one game goes
    // uncounted, rather than the record restarting from it.
    CreatedKey key(registry_, statisticsPath(root_, gameName));
    const std::optional<StatisticsRecord> stored = readRecord(key);
    return stored && writeRecord(key, withGame(*stored, won, seconds));
}

StatisticsRecord StatisticsStore::read(std::string_view gameName)
{
    CreatedKey key(registry_, statisticsPath(root_, gameName));
    return readRecord(key).value_or(StatisticsRecord{});
}

bool StatisticsStore::clear(std::string_view gameName)
{
    CreatedKey key(registry_, statisticsPath(root_, gameName));
    return key.isOpen() && writeRecord(key, StatisticsRecord{});
}

}  // namespace velmora
