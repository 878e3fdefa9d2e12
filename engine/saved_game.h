// Saved games: up to ten running games, one per slot, kept in the registry so
// that a game resumes where it was left, undo history included.
//
// A slot belongs to the game whose SolitaireId begins its "data". When no slot
// belongs to the game, an empty slot is taken, or else the least recently
// saved one is reused. A slot's values are written in one commit, so a crash
// during a save leaves the previous save whole. A "failed" marker is set
// while a restore is under way, so that a saved game that made the program
// fail is discarded instead of being tried again; when another process holds
// the store's write lock, the game is restored without it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine.h"
#include "registry.h"

namespace velmora {

inline constexpr int kSlotCount = 10;
inline constexpr int kNoSlot = 10;

// The save time of every slot (seconds since 1970, low 32 bits; 0 never).
// They are kept with the preferences; the saved games only read and set them.
class SlotSaveTimes {
public:
    virtual ~SlotSaveTimes() = default;
    virtual std::uint32_t saveTime(int slot) const = 0;
    virtual void setSaveTime(int slot, std::uint32_t seconds) = 0;
};

// The byte form of a running game ("data").
Bytes encodeSavedGame(const GameDefinition& definition, const GameState& state,
                      std::uint32_t elapsedSeconds);

struct DecodedGame {
    GameState state;
    std::uint32_t elapsedSeconds = 0;
};
// Nothing when the bytes do not form a game of this definition: wrong id,
// wrong length for the counts, or a card, pile, permission, counter or history
// field out of range or inconsistent with the others.
std::optional<DecodedGame> decodeSavedGame(const GameDefinition& definition, ByteView data);

class SavedGames {
public:
    using Clock = std::function<std::uint32_t()>;  // seconds since 1970

    SavedGames(Registry& registry, std::string storeRoot, SlotSaveTimes& times, Clock clock);

    int findSlot(SolitaireId id);
    // Writes the engine's running game into its slot; false when the store
    // refused the write, which then left the slot as it was (the caller may
    // tell the player; nothing else is lost).
    bool saveGame(const Engine& engine, std::uint32_t elapsedSeconds);
    // Loads the current game's saved state into the engine; the engine's
    // running game is released first. False leads to a fresh deal. When the
    // store failed before the saved game could be read, keptForLater is set:
    // a saved game of this game may still be whole in its slot, and the
    // fresh deal must not be saved over it.
    bool restoreGame(Engine& engine, std::uint32_t& elapsedSeconds, bool* keptForLater = nullptr);

private:
    class OpenKey;
    struct SlotContent {
        enum Holds { game, empty, unknown } holds;  // unknown: the store failed
        SolitaireId id = 0;
    };
    struct SlotRead {
        enum Outcome { restored, discard, unavailable } outcome;
        std::optional<DecodedGame> game = std::nullopt;
    };

    SlotRead readSlot(RegistryKey key, const GameDefinition& definition);
    std::string slotPath(int slot) const;
    SlotContent slotContent(int slot);
    // As findSlot; unsure tells that a slot the store did not answer for
    // may hold the game.
    int findSlot(SolitaireId id, bool& unsure);
    int slotToReuse();
    void releaseWholeSave(RegistryKey key);

    Registry& registry_;
    std::string root_;
    SlotSaveTimes& times_;
    Clock clock_;
};

}  // namespace velmora
