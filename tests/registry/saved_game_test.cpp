// Saved games through the real store: round trips with history, slot choice,
// the interrupted-restore guard and damaged games.
#include <array>
#include <cstring>

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "faulty_registry.h"
#include "saved_game.h"
#include "store_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

class SaveTimes : public SlotSaveTimes {
public:
    std::uint32_t saveTime(int slot) const override { return times[static_cast<std::size_t>(slot)]; }
    void setSaveTime(int slot, std::uint32_t seconds) override { times[static_cast<std::size_t>(slot)] = seconds; }
    std::array<std::uint32_t, kSlotCount> times{};
};

GameDefinition klondikeWithId(SolitaireId id)
{
    GameDefinition d = klondikeDefinition();
    d.id = id;
    return d;
}

bool sameState(const GameState& a, const GameState& b)
{
    return sameBytes(a.cards, b.cards) && sameBytes(a.piles, b.piles) && a.permissions == b.permissions &&
           sameBytes(a.counters, b.counters) && a.gameOver == b.gameOver && sameBytes(a.history, b.history);
}

class SavedGameTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store = openStore();
        games = std::make_unique<SavedGames>(*store, storeRoot("Velmora"), times, [this] { return ++now; });
    }

    // Deals a game and plays a few steps so that it has a history.
    void playSomeSteps(Engine& engine, const GameDefinition& definition, GameNumber number)
    {
        dealGame(engine, definition, number);
        for (int i = 0; i < 3; ++i) {
            engine.tapPile(kStock, nullptr);
            engine.runAfterMoveEvents(nullptr);
        }
        if (auto move = engine.findMove(1); move && !move->isTap) {
            ASSERT_TRUE(engine.moveCards(move->card, move->destination, nullptr));
            engine.runAfterMoveEvents(nullptr);
        }
    }

    Bytes storedData(int slot)
    {
        RegistryKey key = 0;
        EXPECT_EQ(store->openKey(storeRoot("Velmora") + "\\gameState" + std::to_string(slot), key), RegistryStatus::ok);
        std::uint32_t size = 0;
        store->queryValue(key, "data", nullptr, size, nullptr);
        Bytes data(size);
        store->queryValue(key, "data", data.data(), size, nullptr);
        store->closeKey(key);
        return data;
    }

    void overwriteData(int slot, const Bytes& data, std::uint32_t size)
    {
        RegistryKey key = 0;
        ASSERT_EQ(store->openKey(storeRoot("Velmora") + "\\gameState" + std::to_string(slot), key), RegistryStatus::ok);
        store->setValue(key, "data", ValueType::binary, data.data(), static_cast<std::uint32_t>(data.size()));
        store->setValue(key, "size", ValueType::dword, &size, sizeof size);
        store->closeKey(key);
    }

    std::unique_ptr<RegistryStore> store;
    SaveTimes times;
    std::uint32_t now = 1000;
    std::unique_ptr<SavedGames> games;
};

TEST_F(SavedGameTest, AGameRoundTripsWithItsHistoryAndUndoGoesOn)
{
    Engine played;
    playSomeSteps(played, klondikeDefinition(), 31);
    ASSERT_GE(played.state().history.size(), 3u);
    ASSERT_TRUE(games->saveGame(played, 77));
    EXPECT_EQ(storedData(games->findSlot(212)).size(),
              17u + 8 * 52 + 32 * 13 + 4 * played.state().permissions.size() + 16 * played.state().history.size());

    Engine resumed;
    loadDefinition(resumed, klondikeDefinition());
    std::uint32_t elapsed = 0;
    ASSERT_TRUE(games->restoreGame(resumed, elapsed));
    EXPECT_EQ(elapsed, 77u);
    EXPECT_TRUE(sameState(played.state(), resumed.state()));

    while (played.undoStep()) {
        ASSERT_TRUE(resumed.undoStep());
        EXPECT_TRUE(sameState(played.state(), resumed.state()));
    }
    EXPECT_FALSE(resumed.undoStep());
}

TEST_F(SavedGameTest, AnEmptyHistoryAndAWonFlagAreKept)
{
    GameDefinition won = klondikeDefinition();
    for (int pile = 0; pile < 9; ++pile)
        won.piles[pile].dealCount = 0;
    for (int f = 0; f < 4; ++f)
        won.piles[kFirstFoundation + f].dealCount = 13;
    Engine engine;
    dealGame(engine, won, 1);
    ASSERT_TRUE(games->saveGame(engine, 5));
    Engine fresh;
    loadDefinition(fresh, won);
    std::uint32_t elapsed = 0;
    ASSERT_TRUE(games->restoreGame(fresh, elapsed));
    EXPECT_FALSE(fresh.undoStep());

    engine.runAfterMoveEvents(nullptr);
    ASSERT_TRUE(engine.isWon());
    ASSERT_TRUE(games->saveGame(engine, 6));
    ASSERT_TRUE(games->restoreGame(fresh, elapsed));
    EXPECT_TRUE(fresh.isWon());
}

TEST_F(SavedGameTest, SlotsAreKeptPerGameAndTheOldestIsReused)
{
    // Never-saved slots all have time 0: the highest-numbered is taken first.
    Engine engine;
    for (SolitaireId id = 100; id < 110; ++id) {
        dealGame(engine, klondikeWithId(id), id);
        ASSERT_TRUE(games->saveGame(engine, id));
        EXPECT_EQ(games->findSlot(id), 109 - id);
    }
    // Saving a game again keeps its slot and makes it the newest.
    dealGame(engine, klondikeWithId(100), 1);
    ASSERT_TRUE(games->saveGame(engine, 1));
    EXPECT_EQ(games->findSlot(100), 9);

    // The eleventh game takes the slot saved longest ago: slot 8 (id 101).
    dealGame(engine, klondikeWithId(110), 110);
    ASSERT_TRUE(games->saveGame(engine, 0));
    EXPECT_EQ(games->findSlot(110), 8);
    EXPECT_EQ(games->findSlot(101), kNoSlot);
    EXPECT_EQ(games->findSlot(100), 9);
}

TEST_F(SavedGameTest, ARestoreThatNeverEndedInASaveIsDiscarded)
{
    Engine engine;
    playSomeSteps(engine, klondikeDefinition(), 8);
    ASSERT_TRUE(games->saveGame(engine, 12));
    std::uint32_t elapsed = 0;
    ASSERT_TRUE(games->restoreGame(engine, elapsed));
    // The program ended abnormally here: no save followed the restore.
    bool kept = true;
    EXPECT_FALSE(games->restoreGame(engine, elapsed, &kept));
    EXPECT_FALSE(kept);
    EXPECT_FALSE(engine.hasGame());
    EXPECT_EQ(games->findSlot(212), kNoSlot);

    GameNumber number = 0;
    EXPECT_TRUE(engine.newDeal(number));
}

TEST_F(SavedGameTest, NoSavedGameMeansAFreshDeal)
{
    Engine engine;
    loadDefinition(engine, klondikeDefinition());
    std::uint32_t elapsed = 0;
    bool kept = true;
    EXPECT_FALSE(games->restoreGame(engine, elapsed, &kept));
    EXPECT_FALSE(kept);
    EXPECT_EQ(games->findSlot(212), kNoSlot);

    Engine empty;  // no definition: nothing to save or restore
    EXPECT_FALSE(games->saveGame(empty, 0));
    EXPECT_FALSE(games->restoreGame(empty, elapsed));
}

// A store that fails before the saved game is read keeps it for later and
// says so, whether it could not look for the slot or could not mark it.
TEST_F(SavedGameTest, ASaveTheStoreCannotGiveIsKeptForLater)
{
    Engine engine;
    playSomeSteps(engine, klondikeDefinition(), 10);
    ASSERT_TRUE(games->saveGame(engine, 25));
    const GameState saved = engine.state();

    FaultyRegistry faulty(*store);
    SavedGames failing(faulty, storeRoot("Velmora"), times, [this] { return ++now; });
    std::uint32_t elapsed = 0;
    for (const bool reads : {true, false}) {
        faulty.refuseReads = reads;
        faulty.refusedWrites = {"failed"};
        bool kept = false;
        EXPECT_FALSE(failing.restoreGame(engine, elapsed, &kept)) << reads;
        EXPECT_TRUE(kept) << reads;
    }
    ASSERT_TRUE(games->restoreGame(engine, elapsed));
    EXPECT_EQ(elapsed, 25u);
    EXPECT_TRUE(sameState(saved, engine.state()));
}

// A save that does not get through leaves the previous one whole: the length
// and the bytes of a slot never come from two different saves.
TEST_F(SavedGameTest, ARefusedSaveKeepsThePreviousSave)
{
    Engine engine;
    playSomeSteps(engine, klondikeDefinition(), 12);
    ASSERT_TRUE(games->saveGame(engine, 20));
    const GameState saved = engine.state();
    const std::uint32_t savedAt = times.times[static_cast<std::size_t>(games->findSlot(212))];
    ASSERT_TRUE(engine.tapPile(kStock, nullptr));
    engine.runAfterMoveEvents(nullptr);

    FaultyRegistry faulty(*store);
    faulty.refusedWrites = {"data"};
    SavedGames failing(faulty, storeRoot("Velmora"), times, [this] { return ++now; });
    EXPECT_FALSE(failing.saveGame(engine, 30));
    EXPECT_EQ(times.times[static_cast<std::size_t>(games->findSlot(212))], savedAt);

    Engine resumed;
    loadDefinition(resumed, klondikeDefinition());
    std::uint32_t elapsed = 0;
    ASSERT_TRUE(games->restoreGame(resumed, elapsed));
    EXPECT_EQ(elapsed, 20u);
    EXPECT_TRUE(sameState(saved, resumed.state()));
}

// A restored game whose save at close fails did not make the program fail:
// its older save, still whole, is restored next time rather than discarded.
TEST_F(SavedGameTest, AFailedSaveAfterARestoreKeepsTheOlderSaveRestorable)
{
    Engine engine;
    playSomeSteps(engine, klondikeDefinition(), 14);
    ASSERT_TRUE(games->saveGame(engine, 40));
    const GameState saved = engine.state();
    std::uint32_t elapsed = 0;
    ASSERT_TRUE(games->restoreGame(engine, elapsed));

    FaultyRegistry faulty(*store);
    faulty.refusedWrites = {"size", "data"};
    SavedGames failing(faulty, storeRoot("Velmora"), times, [this] { return ++now; });
    EXPECT_FALSE(failing.saveGame(engine, 41));

    Engine resumed;
    loadDefinition(resumed, klondikeDefinition());
    ASSERT_TRUE(games->restoreGame(resumed, elapsed));
    EXPECT_TRUE(sameState(saved, resumed.state()));
    // The guard itself still holds: no save followed this second restore.
    EXPECT_FALSE(games->restoreGame(resumed, elapsed));
}

// A discarded slot loses its time and is the first one taken again, before
// any slot that holds another game's save.
TEST_F(SavedGameTest, ADiscardedSlotIsTakenBeforeAnotherGamesSlot)
{
    Engine engine;
    for (SolitaireId id = 100; id < 110; ++id) {
        dealGame(engine, klondikeWithId(id), id);
        ASSERT_TRUE(games->saveGame(engine, id));
    }
    const int slot = games->findSlot(105);
    Engine restored;
    loadDefinition(restored, klondikeWithId(105));
    std::uint32_t elapsed = 0;
    ASSERT_TRUE(games->restoreGame(restored, elapsed));
    EXPECT_FALSE(games->restoreGame(restored, elapsed));  // interrupted: discarded
    EXPECT_EQ(times.times[static_cast<std::size_t>(slot)], 0u);

    // Times kept elsewhere may still name the freed slot as recently saved.
    times.times[static_cast<std::size_t>(slot)] = now + 50;
    dealGame(engine, klondikeWithId(105), 7);
    ASSERT_TRUE(games->saveGame(engine, 3));
    EXPECT_EQ(games->findSlot(105), slot);
    for (SolitaireId id = 100; id < 110; ++id)
        EXPECT_NE(games->findSlot(id), kNoSlot) << id;
}

// Each damaged form of a stored game is discarded with its slot; another
// game's slot stays untouched and a fresh game can follow.
TEST_F(SavedGameTest, DamagedGamesAreDiscarded)
{
    struct Damage {
        const char* what;
        std::function<void(Bytes&, std::uint32_t&, std::size_t)> apply;  // data, size, entries
    };
    const std::size_t piles = 6 + 8 * 52;
    const std::vector<Damage> damages = {
        {"size differs from data", [](Bytes&, std::uint32_t& size, std::size_t) { size += 1; }},
        {"truncated with matching size", [](Bytes& d, std::uint32_t& size, std::size_t) { d.resize(d.size() - 5); size = static_cast<std::uint32_t>(d.size()); }},
        {"other game's id", [](Bytes& d, std::uint32_t&, std::size_t) { d[0] ^= 0x01; }},
        {"card on a pile that does not exist", [](Bytes& d, std::uint32_t&, std::size_t) { d[6 + 4] = 200; }},
        {"two cards in one place", [](Bytes& d, std::uint32_t&, std::size_t) { std::memcpy(&d[6 + 8], &d[6], 8); }},
        {"pile count disagrees", [piles](Bytes& d, std::uint32_t&, std::size_t) { d[piles + 10] += 1; }},
        {"accept program out of range", [piles](Bytes& d, std::uint32_t&, std::size_t) { d[piles + 12] = 99; }},
        {"history entry kind unknown", [](Bytes& d, std::uint32_t&, std::size_t) { d[d.size() - 16] = 9; }},
        {"history count too large", [](Bytes& d, std::uint32_t&, std::size_t h) { d[d.size() - 16 * h - 4] += 1; }},
        {"huge size", [](Bytes&, std::uint32_t& size, std::size_t) { size = 0xFFFFFFF0u; }},
    };
    for (const Damage& damage : damages) {
        Engine other;
        dealGame(other, klondikeWithId(5), 5);
        ASSERT_TRUE(games->saveGame(other, 1));
        Engine engine;
        playSomeSteps(engine, klondikeDefinition(), 40);
        ASSERT_GE(engine.state().history.size(), 3u);
        ASSERT_TRUE(games->saveGame(engine, 3));
        const int slot = games->findSlot(212);
        Bytes data = storedData(slot);
        auto size = static_cast<std::uint32_t>(data.size());
        damage.apply(data, size, engine.state().history.size());
        overwriteData(slot, data, size);

        std::uint32_t elapsed = 0;
        EXPECT_FALSE(games->restoreGame(engine, elapsed)) << damage.what;
        EXPECT_FALSE(engine.hasGame()) << damage.what;
        if (damage.what != std::string("other game's id")) {
            EXPECT_EQ(games->findSlot(212), kNoSlot) << damage.what;
        }
        EXPECT_NE(games->findSlot(5), kNoSlot) << damage.what;
        GameNumber number = 0;
        EXPECT_TRUE(engine.newDeal(number));
    }
}

}  // namespace
}  // namespace velmora
