// The byte form of saved games: what a loaded record deals can always be
// saved and read back.
#include <functional>

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

}  // namespace
}  // namespace velmora
