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

RegistryStatus setFailedMarker(Registry& registry, RegistryKey key, std::uint8_t failed)
{
    return registry.setValue(key, kFailedValue, ValueType::binary, &failed, 1);
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

SavedGames::SlotContent SavedGames::slotContent(int slot)
{
    RegistryKey handle = 0;
    const RegistryStatus opened = registry_.openKey(slotPath(slot), handle);
    if (opened == RegistryStatus::notFound)
        return {SlotContent::empty};
    if (opened != RegistryStatus::ok)
        return {SlotContent::unknown};
    OpenKey key(registry_, handle);
    std::uint8_t head[2] = {};
    std::uint32_t size = sizeof head;
    const RegistryStatus status = registry_.queryValue(key.get(), kDataValue, head, size, nullptr);
    if ((status == RegistryStatus::ok && size >= 2) || status == RegistryStatus::moreData) {
        SolitaireId stored = 0;
        std::memcpy(&stored, head, sizeof stored);
        return {SlotContent::game, stored};
    }
    return {status == RegistryStatus::failed ? SlotContent::unknown : SlotContent::empty};
}

int SavedGames::findSlot(SolitaireId id)
{
    bool unsure = false;
    return findSlot(id, unsure);
}

int SavedGames::findSlot(SolitaireId id, bool& unsure)
{
    unsure = false;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotContent content = slotContent(slot);
        if (content.holds == SlotContent::game && content.id == id)
            return slot;
        unsure = unsure || content.holds == SlotContent::unknown;
    }
    return kNoSlot;
}

// A slot that holds no game is taken before any that does; among equals the
// one saved longest ago, and among equal times the highest-numbered one. An
// empty slot may still carry a time (its game was discarded, or the times
// were not stored), so the times alone cannot tell that it is free.
int SavedGames::slotToReuse()
{
    int chosen = kNoSlot;
    bool chosenIsEmpty = false;
    for (int slot = kSlotCount - 1; slot >= 0; --slot) {
        const bool empty = slotContent(slot).holds == SlotContent::empty;
        const bool better = chosen == kNoSlot || (empty && !chosenIsEmpty) ||
                            (empty == chosenIsEmpty && times_.saveTime(slot) < times_.saveTime(chosen));
        if (better) {
            chosen = slot;
            chosenIsEmpty = empty;
        }
    }
    return chosen;
}

bool SavedGames::saveGame(const Engine& engine, std::uint32_t elapsedSeconds)
{
    if (!engine.hasDefinition() || !engine.hasGame())
        return false;
    const int ownSlot = findSlot(engine.definition().id);
    const int slot = ownSlot == kNoSlot ? slotToReuse() : ownSlot;

    RegistryKey handle = 0;
    bool created = false;
    if (registry_.createKey(slotPath(slot), kAppDataClass, handle, created) != RegistryStatus::ok)
        return false;
    OpenKey key(registry_, handle);
    const Bytes data = encodeSavedGame(engine.definition(), engine.state(), elapsedSeconds);
    const auto size = static_cast<std::uint32_t>(data.size());
    const std::uint8_t failed = 0;
    // Length, bytes and marker change together or not at all, so that a
    // crash or a refused write leaves the previous save whole.
    const ValueWrite values[] = {
        {kSizeValue, ValueType::dword, &size, sizeof size},
        {kDataValue, ValueType::binary, data.data(), size},
        {kFailedValue, ValueType::binary, &failed, 1},
    };
    if (registry_.setValues(key.get(), values) != RegistryStatus::ok) {
        if (ownSlot != kNoSlot)
            releaseWholeSave(key.get());
        return false;
    }
    times_.setSaveTime(slot, clock_());
    return true;
}

// The running game could not be saved over its older save, which the
// restore marked as under way. The program got this far with that game, so
// it did not make the program fail: while the older save is still whole it
// is released for the next restore instead of being discarded then.
void SavedGames::releaseWholeSave(RegistryKey key)
{
    std::uint32_t size = 0;
    std::uint32_t sizeLength = sizeof size;
    if (registry_.queryValue(key, kSizeValue, &size, sizeLength, nullptr) != RegistryStatus::ok ||
        sizeLength != sizeof size)
        return;
    std::uint32_t length = 0;
    const RegistryStatus data = registry_.queryValue(key, kDataValue, nullptr, length, nullptr);
    if ((data == RegistryStatus::ok || data == RegistryStatus::moreData) && length == size)
        setFailedMarker(registry_, key, 0);
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
    // While another process holds the store's write lock the marker cannot
    // be set. That is no damage: the game is restored without the marker,
    // rather than giving way to a fresh deal whose save would overwrite it.
    const RegistryStatus marked = setFailedMarker(registry_, key, 1);
    if (marked != RegistryStatus::ok && marked != RegistryStatus::busy)
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

bool SavedGames::restoreGame(Engine& engine, std::uint32_t& elapsedSeconds, bool* keptForLater)
{
    if (keptForLater)
        *keptForLater = false;
    // The store failed: whatever saved game there is stays for next time.
    auto kept = [keptForLater] {
        if (keptForLater)
            *keptForLater = true;
        return false;
    };
    engine.releaseGame();
    if (!engine.hasDefinition())
        return false;
    bool unsure = false;
    const int slot = findSlot(engine.definition().id, unsure);
    if (slot == kNoSlot)
        return unsure ? kept() : false;

    RegistryKey handle = 0;
    if (registry_.openKey(slotPath(slot), handle) != RegistryStatus::ok)
        return kept();
    SlotRead read = readSlot(handle, engine.definition());
    registry_.closeKey(handle);
    if (read.outcome == SlotRead::discard) {
        // Damaged, foreign or interrupted: the slot is freed, with its time,
        // so that it is not tried again and is the next one taken.
        registry_.deleteKey(slotPath(slot));
        times_.setSaveTime(slot, 0);
        return false;
    }
    if (read.outcome == SlotRead::unavailable)
        return kept();
    DecodedGame& game = *read.game;
    elapsedSeconds = game.elapsedSeconds;
    engine.installState(std::move(game.state));
    return true;
}

}  // namespace velmora
