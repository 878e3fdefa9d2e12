// The byte form of saved games: what a loaded record deals can always be
// saved and read back, and any history that passes the checks can be undone.
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "record_encoder.h"
#include "saved_game.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// Damage that a record may carry in fields the saved game checks: such a
// record must either be refused at load, or its games must save and restore.
// A record that loads but whose every save is discarded loses the player's game.
TEST(SavedGameFormat, EveryRecordThatLoadsDealsGamesThatCanBeRestored)
{
    const std::vector<std::pair<const char*, std::function<void(GameDefinition&)>>> damages = {
        {"interactive 2", [](GameDefinition& d) { d.piles[3].interactive = 2; }},
        {"enabled 2", [](GameDefinition& d) { d.piles[1].enabled = 2; }},
        {"fixed open 3", [](GameDefinition& d) { d.piles[9].fixedOpen = 3; }},
        {"negative counter", [](GameDefinition& d) {
             d.counters.push_back({-2, 0});
             d.counterLinks.push_back({kRedealKey, 0});
         }},
        {"undamaged", [](GameDefinition&) {}},
    };
    for (const auto& [what, damage] : damages) {
        GameDefinition definition = klondikeDefinition();
        damage(definition);
        Engine engine;
        if (engine.loadDefinition(encodeRuleRecord(definition)) != RecordFault::none) {
            EXPECT_STRNE(what, "undamaged") << engine.loadError();
            continue;
        }
        GameNumber number = 5;
        ASSERT_TRUE(engine.newDeal(number)) << what;
        engine.runDealEvents();
        const Bytes saved = encodeSavedGame(engine.definition(), engine.state(), 12);
        EXPECT_TRUE(decodeSavedGame(engine.definition(), saved).has_value()) << what << " loads but cannot be restored";
    }
}

ActionDefinition actionOfKind(ActionKind kind, std::uint16_t pileA, std::uint16_t pileB)
{
    ActionDefinition a{};
    a.kind = static_cast<std::uint8_t>(kind);
    a.pileA = pileA;
    a.pileB = pileB;
    a.rangeMode = 1;
    a.rangeB = 2;
    a.insertMode = 1;
    a.insertOffset = 30;
    return a;
}

// Entries of actions whose undo reads the fields a player move uses, holding
// any values at all (a damaged store or a foreign program may have written
// them): undo must still leave a consistent game.
TEST(SavedGameFormat, AnyDetailsInActionEntriesAreUndoneWithoutFault)
{
    GameDefinition definition = klondikeDefinition();
    const auto first = static_cast<std::uint16_t>(definition.actions.size());
    for (const ActionDefinition& action :
         {actionOfKind(ActionKind::moveCards, kStock, kWaste), actionOfKind(ActionKind::moveCards, kWaste, kWaste),
          actionOfKind(ActionKind::setCardAttribute, kFirstTableau + 6, 0),
          actionOfKind(ActionKind::forbidMoves, kAnyPile, 3), actionOfKind(ActionKind::forbidMoves, 2, 4),
          actionOfKind(ActionKind::permitMoves, 5, kAnyPile), actionOfKind(ActionKind::declareWon, 0, 0)})
        definition.actions.push_back(action);
    Engine engine;
    dealGame(engine, definition, 3);
    const GameState dealt = engine.state();

    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        GameState state = dealt;
        for (int entries = 1 + static_cast<int>(random() % 6); entries > 0; --entries) {
            HistoryEntry entry{};
            entry.kind = static_cast<std::uint8_t>(HistoryKind::actionApplied);
            entry.groupStart = state.history.empty() ? 1 : 0;
            entry.subject = static_cast<std::uint16_t>(first + random() % (definition.actions.size() - first));
            entry.saved = static_cast<std::int16_t>(random());
            entry.destination = static_cast<std::uint16_t>(random());
            entry.destinationCount = static_cast<std::int16_t>(random());
            state.history.push_back(entry);
        }
        std::optional<DecodedGame> decoded =
            decodeSavedGame(engine.definition(), encodeSavedGame(engine.definition(), state, 0));
        ASSERT_TRUE(decoded.has_value());
        engine.installState(std::move(decoded->state));
        while (engine.undoStep()) {
        }
        expectConsistent(engine);
        if (::testing::Test::HasFailure())
            return;
    }
}

}  // namespace
}  // namespace velmora
