#include "saved_game.h"

#include <cstring>

namespace velmora {
namespace {

constexpr const char* kSizeValue = "size";
constexpr const char* kDataValue = "data";
constexpr const char* kFailedValue = "failed";
// Far above any real game (a few kilobytes plus 16 bytes per history entry);
// a larger "size" is damage, not a game.
constexpr std::uint32_t kMaxSavedGameBytes = 64u << 20;

}  // namespace

// Closes an open key when it goes out of scope.
class SavedGames::OpenKey {
public:
    OpenKey(Registry& registry, RegistryKey key) : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.closeKey(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    RegistryKey get() const { return key_; }

private:
    Registry& registry_;
    RegistryKey key_;
};

namespace {

bool setFailedMarker(Registry& registry, RegistryKey key, std::uint8_t failed)
{
    return registry.setValue(key, kFailedValue, ValueType::binary, &failed, 1) == RegistryStatus::ok;
}

}  // namespace

SavedGames::SavedGames(Registry& registry, std::string storeRoot, SlotSaveTimes& times, Clock clock)
    : registry_(registry), root_(std::move(storeRoot)), times_(times), clock_(std::move(clock))
{
}

std::string SavedGames::slotPath(int slot) const
{
    return root_ + "\\gameState" + static_cast<char>('0' + slot);
}

int SavedGames::findSlot(SolitaireId id)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        RegistryKey handle = 0;
        if (registry_.openKey(slotPath(slot), handle) != RegistryStatus::ok)
            continue;
        OpenKey key(registry_, handle);
        std::uint8_t head[2] = {};
        std::uint32_t size = sizeof head;
        const RegistryStatus status = registry_.queryValue(key.get(), kDataValue, head, size, nullptr);
        if ((status == RegistryStatus::ok && size >= 2) || status == RegistryStatus::moreData) {
            SolitaireId stored = 0;
            std::memcpy(&stored, head, sizeof stored);
            if (stored == id)
                return slot;
        }
    }
    return kNoSlot;
}

// The slot saved longest ago; among equal times the highest-numbered one.
int SavedGames::slotToReuse() const
{
    int chosen = kSlotCount - 1;
    for (int slot = kSlotCount - 1; slot >= 0; --slot)
        if (times_.saveTime(slot) < times_.saveTime(chosen))
            chosen = slot;
    return chosen;
}

bool SavedGames::saveGame(const Engine& engine, std::uint32_t elapsedSeconds)
{
    if (!engine.hasDefinition() || !engine.hasGame())
        return false;
    int slot = findSlot(engine.definition().id);
    if (slot == kNoSlot)
        slot = slotToReuse();

    RegistryKey handle = 0;
    bool created = false;
    if (registry_.createKey(slotPath(slot), kAppDataClass, handle, created) != RegistryStatus::ok)
        return false;
    OpenKey key(registry_, handle);
    const Bytes data = encodeSavedGame(engine.definition(), engine.state(), elapsedSeconds);
    const auto size = static_cast<std::uint32_t>(data.size());
    const bool written =
        registry_.setValue(key.get(), kSizeValue, ValueType::dword, &size, sizeof size) == RegistryStatus::ok &&
        registry_.setValue(key.get(), kDataValue, ValueType::binary, data.data(), size) == RegistryStatus::ok &&
        setFailedMarker(registry_, key.get(), 0);
    times_.setSaveTime(slot, clock_());
    return written;
}

SavedGames::SlotRead SavedGames::readSlot(RegistryKey key, const GameDefinition& definition)
{
    std::uint8_t failed = 0;
    std::uint32_t failedSize = 1;
    const RegistryStatus marker = registry_.queryValue(key, kFailedValue, &failed, failedSize, nullptr);
    if (marker == RegistryStatus::failed)
        return {SlotRead::unavailable};
    // A restore that was started before and never followed by a save made
    // the program fail: that game is discarded.
    if (marker == RegistryStatus::ok && failed == 1)
        return {SlotRead::discard};
    if (!setFailedMarker(registry_, key, 1))
        return {SlotRead::unavailable};

    std::uint32_t size = 0;
    std::uint32_t sizeLength = sizeof size;
    const RegistryStatus sizeStatus = registry_.queryValue(key, kSizeValue, &size, sizeLength, nullptr);
    if (sizeStatus == RegistryStatus::failed)
        return {SlotRead::unavailable};
    if (sizeStatus != RegistryStatus::ok || sizeLength != sizeof size || size > kMaxSavedGameBytes)
        return {SlotRead::discard};
    Bytes data(size);
    std::uint32_t length = size;
    const RegistryStatus dataStatus = registry_.queryValue(key, kDataValue, data.data(), length, nullptr);
    if (dataStatus == RegistryStatus::failed)
        return {SlotRead::unavailable};
    if (dataStatus != RegistryStatus::ok || length != size)
        return {SlotRead::discard};
    std::optional<DecodedGame> game = decodeSavedGame(definition, data);
    if (!game)
        return {SlotRead::discard};
    return {SlotRead::restored, std::move(game)};
}

bool SavedGames::restoreGame(Engine& engine, std::uint32_t& elapsedSeconds)
{
    engine.releaseGame();
    if (!engine.hasDefinition())
        return false;
    const int slot = findSlot(engine.definition().id);
    if (slot == kNoSlot)
        return false;

    RegistryKey handle = 0;
    if (registry_.openKey(slotPath(slot), handle) != RegistryStatus::ok)
        return false;
    SlotRead read = readSlot(handle, engine.definition());
    registry_.closeKey(handle);
    if (read.outcome == SlotRead::discard) {
        // Damaged, foreign or interrupted: the slot is freed so that it is
        // not tried again, and a fresh game follows.
        registry_.deleteKey(slotPath(slot));
        return false;
    }
    if (read.outcome == SlotRead::unavailable)
        return false;  // the store failed; the saved game stays for next time
    DecodedGame& game = *read.game;
    elapsedSeconds = game.elapsedSeconds;
    engine.installState(std::move(game.state));
    return true;
}

}  // namespace velmora
