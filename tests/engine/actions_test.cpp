// Scripted actions, counters, zero keys and repeating automatic keys, each
// applied through a tap and undone again.
#include <cstring>

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "move_permissions.h"

namespace velmora {
namespace {

using namespace velmora::testing;

ActionDefinition pileAttribute(std::uint16_t pile, std::uint8_t attribute, std::uint16_t value)
{
    ActionDefinition a{};
    a.kind = static_cast<std::uint8_t>(ActionKind::setPileAttribute);
    a.pileA = pile;
    a.attribute = attribute;
    a.value = value;
    return a;
}

// Klondike with one more key, raised by tapping the waste, running `actions`.
GameDefinition withWasteTapKey(const std::vector<ActionDefinition>& actions)
{
    GameDefinition d = klondikeDefinition();
    const auto key = static_cast<std::uint16_t>(d.triggerTypes.size());
    d.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::never));
    for (const ActionDefinition& action : actions) {
        d.actionLinks.push_back({key, static_cast<std::uint16_t>(d.actions.size())});
        d.actions.push_back(action);
    }
    d.piles[kWaste].tapKey = key;
    return d;
}

// Klondike whose redeal may be used `redeals` times; when used up, the zero
// key (if any) shows 9 on the stock.
GameDefinition withRedealLimit(std::int16_t redeals, bool zeroKey)
{
    GameDefinition d = klondikeDefinition();
    std::uint16_t zero = 0;
    if (zeroKey) {
        zero = static_cast<std::uint16_t>(d.triggerTypes.size());
        d.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::never));
        d.actionLinks.push_back({zero, static_cast<std::uint16_t>(d.actions.size())});
        d.actions.push_back(pileAttribute(kStock, kPileDisplayValue, 9));
    }
    d.counters.push_back({redeals, zero});
    d.counterLinks.push_back({kRedealKey, 0});
    return d;
}

class Actions : public ::testing::Test {
protected:
    bool step(int pile)
    {
        const bool changed = engine.tapPile(pile, &sink);
        engine.runAfterMoveEvents(&sink);
        return changed;
    }

    void emptyTheStock()
    {
        while (engine.state().piles[kStock].count > 0)
            ASSERT_TRUE(step(kStock));
    }

    Engine engine;
    RecordingSink sink;
};

TEST_F(Actions, PileAttributesApplyAndUndo)
{
    dealGame(engine, withWasteTapKey({pileAttribute(kFirstTableau, kPileInteractive, 0),
                                      pileAttribute(kFirstTableau + 1, kPileEnabled, 0),
                                      pileAttribute(kFirstTableau + 2, kPileAcceptProgram, 1),
                                      pileAttribute(kFirstTableau + 3, kPilePickUpProgram, 0),
                                      pileAttribute(kStock, kPileDisplayValue, 4),
                                      pileAttribute(kFirstFoundation, kPileDisplayValue, 0x0305),
                                      pileAttribute(kFirstTableau + 6, kPileReverse, 0)}),
             17);
    const GameState before = engine.state();
    const std::vector<std::uint16_t> reversed(engine.cardsOn(kFirstTableau + 6).rbegin(),
                                              engine.cardsOn(kFirstTableau + 6).rend());
    ASSERT_TRUE(step(kWaste));
    const auto& piles = engine.state().piles;
    EXPECT_EQ(piles[kFirstTableau].interactive, 0);
    EXPECT_EQ(piles[kFirstTableau + 1].enabled, 0);
    EXPECT_EQ(piles[kFirstTableau + 2].acceptProgram, 1);
    EXPECT_EQ(piles[kFirstTableau + 3].pickUpProgram, 0);
    EXPECT_EQ(piles[kStock].displayValue, 4u);
    EXPECT_EQ(piles[kFirstFoundation].displayValue, 5u);
    EXPECT_EQ(piles[kFirstFoundation].displayValue2, 3u);
    EXPECT_EQ(engine.cardsOn(kFirstTableau + 6), reversed);
    // The reversed pile shows a face-down card, which the automatic key turns up.
    ASSERT_EQ(sink.changes.size(), 8u);
    EXPECT_EQ(sink.changes[2].returned, 3);      // old accept program
    EXPECT_EQ(sink.changes[5].returned, 1);      // old base rank 1, suit 0
    expectConsistent(engine);

    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(0, std::memcmp(before.piles.data(), engine.state().piles.data(), before.piles.size() * sizeof(Pile)));
    EXPECT_EQ(0, std::memcmp(before.cards.data(), engine.state().cards.data(), before.cards.size() * sizeof(Card)));
}

TEST_F(Actions, AnActionThatChangesNothingLeavesNoTrace)
{
    ActionDefinition permit{};
    permit.kind = static_cast<std::uint8_t>(ActionKind::permitMoves);
    permit.pileA = 3;
    permit.pileB = 5;  // already covered by (any, any)
    dealGame(engine, withWasteTapKey({permit, pileAttribute(kStock, kPileEnabled, 1)}), 4);
    EXPECT_FALSE(engine.tapPile(kWaste, &sink));
    EXPECT_TRUE(sink.changes.empty());
    EXPECT_TRUE(engine.state().history.empty());
    EXPECT_EQ(engine.state().permissions.size(), 1u);
    // The tap passed its key, so it still counts as a legal move.
    EXPECT_TRUE(engine.canTap(kWaste));
}

TEST_F(Actions, ForbidAndPermitThroughActionsAreUndone)
{
    ActionDefinition forbid{};
    forbid.kind = static_cast<std::uint8_t>(ActionKind::forbidMoves);
    forbid.pileA = kWaste;
    forbid.pileB = kAnyPile;
    dealGame(engine, withWasteTapKey({forbid}), 6);
    ASSERT_TRUE(step(kWaste));
    const std::uint16_t wasteTop = engine.topCard(kWaste);
    for (int pile = 0; pile < 13; ++pile)
        EXPECT_FALSE(engine.canDrop(wasteTop, pile));
    ASSERT_TRUE(engine.undoStep());
    EXPECT_TRUE(permitsMove(engine.state().permissions, kWaste, kFirstTableau));
}

TEST_F(Actions, ShuffleIsHandedOnWithItsNumberAndUndoneExactly)
{
    dealGame(engine, withWasteTapKey({pileAttribute(kStock, kPileShuffle, 0)}), 9);
    engine.random().seed(2024);
    const std::vector<std::uint16_t> before = engine.cardsOn(kStock);
    ASSERT_TRUE(step(kWaste));
    EXPECT_NE(engine.cardsOn(kStock), before);
    ASSERT_EQ(sink.changes.size(), 1u);
    EXPECT_EQ(sink.changes[0].action.value, static_cast<std::uint16_t>(sink.changes[0].returned));
    expectConsistent(engine);

    // The same permutation, replayed from the number the change carries.
    std::vector<std::uint16_t> replay = before;
    const std::uint32_t r = sink.changes[0].action.value;
    for (std::uint32_t i = 0; i < replay.size(); ++i)
        std::swap(replay[i], replay[(r * (i + 1)) % replay.size()]);
    EXPECT_EQ(engine.cardsOn(kStock), replay);

    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(engine.cardsOn(kStock), before);
    expectConsistent(engine);
}

TEST_F(Actions, ARedealCounterLimitsRedealsAndUndoGivesTheUnitBack)
{
    dealGame(engine, withRedealLimit(1, false), 12);
    emptyTheStock();
    ASSERT_TRUE(engine.canTap(kStock));
    ASSERT_TRUE(step(kStock));  // the one redeal
    EXPECT_EQ(engine.state().counters[0].remaining, 0);
    emptyTheStock();
    EXPECT_FALSE(engine.canTap(kStock));
    EXPECT_FALSE(engine.tapPile(kStock, &sink));
    EXPECT_EQ(engine.state().piles[kWaste].count, 24);

    // Undo back over the redeal restores its unit.
    while (engine.state().counters[0].remaining == 0)
        ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(engine.state().counters[0].remaining, 1);
    EXPECT_EQ(engine.state().piles[kStock].count, 0);
    EXPECT_EQ(engine.state().piles[kWaste].count, 24);
}

TEST_F(Actions, AUsedUpCounterRunsItsZeroKeyAndUndoReversesIt)
{
    dealGame(engine, withRedealLimit(1, true), 12);
    emptyTheStock();
    ASSERT_TRUE(step(kStock));
    EXPECT_EQ(engine.state().piles[kStock].displayValue, 9u);
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(engine.state().piles[kStock].displayValue, 0u);
    EXPECT_EQ(engine.state().counters[0].remaining, 1);
}

TEST_F(Actions, ResetCounterRestoresTheInitialValue)
{
    GameDefinition d = withRedealLimit(2, false);
    ActionDefinition reset{};
    reset.kind = static_cast<std::uint8_t>(ActionKind::resetCounter);
    reset.pileA = 0;
    const auto key = static_cast<std::uint16_t>(d.triggerTypes.size());
    d.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::never));
    d.actionLinks.push_back({key, static_cast<std::uint16_t>(d.actions.size())});
    d.actions.push_back(reset);
    d.piles[kWaste].tapKey = key;
    dealGame(engine, d, 3);
    emptyTheStock();
    ASSERT_TRUE(step(kStock));
    ASSERT_EQ(engine.state().counters[0].remaining, 1);
    ASSERT_TRUE(step(kStock));  // deal three again so that the waste can be tapped
    ASSERT_TRUE(step(kWaste));
    EXPECT_EQ(engine.state().counters[0].remaining, 2);
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(engine.state().counters[0].remaining, 1);
}

// A repeating key that sends the waste's top card back to the stock while the
// waste holds cards.
GameDefinition withRepeatingKey(bool withCondition)
{
    GameDefinition d = klondikeDefinition();
    const auto key = static_cast<std::uint16_t>(d.triggerTypes.size());
    d.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::afterEveryStepRepeated));
    ActionDefinition back{};
    back.kind = static_cast<std::uint8_t>(ActionKind::moveCards);
    back.pileA = kWaste;
    back.rangeMode = 1;
    back.rangeB = 1;
    back.pileB = kStock;
    back.insertMode = 1;
    d.actionLinks.push_back({key, static_cast<std::uint16_t>(d.actions.size())});
    d.actions.push_back(back);
    if (withCondition)
        d.conditionLinks.push_back({key, 17});  // the waste is not empty
    return d;
}

TEST_F(Actions, ARepeatingKeyIsRescannedWhileItsConditionsHold)
{
    dealGame(engine, withRepeatingKey(true), 5);
    ASSERT_TRUE(engine.tapPile(kStock, &sink));
    EXPECT_TRUE(engine.runAfterMoveEvents(&sink));
    EXPECT_FALSE(engine.automaticEventsCutOff());
    EXPECT_EQ(engine.state().piles[kWaste].count, 0);
    EXPECT_EQ(engine.state().piles[kStock].count, 24);
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(engine.state().piles[kWaste].count, 3);
    EXPECT_EQ(engine.state().piles[kStock].count, 21);
}

TEST_F(Actions, ARepeatingKeyThatNeverStopsDoesNotHangTheProgram)
{
    dealGame(engine, withRepeatingKey(false), 5);
    ASSERT_TRUE(engine.tapPile(kStock, &sink));
    EXPECT_TRUE(engine.runAfterMoveEvents(&sink));
    EXPECT_TRUE(engine.automaticEventsCutOff());
    EXPECT_EQ(engine.state().piles[kWaste].count, 0);
    expectConsistent(engine);
}

TEST_F(Actions, ADealtOutBoardIsWonByTheRecordsWinKey)
{
    GameDefinition d = klondikeDefinition();
    for (int pile = 0; pile < 9; ++pile)
        d.piles[pile].dealCount = 0;
    for (int f = 0; f < 4; ++f)
        d.piles[kFirstFoundation + f].dealCount = 13;
    dealGame(engine, d, 1);
    EXPECT_FALSE(engine.isWon());
    EXPECT_TRUE(engine.runAfterMoveEvents(&sink));
    EXPECT_TRUE(engine.isWon());
}

TEST_F(Actions, NoMoveLeftMeansTheGameIsLost)
{
    // Everything face down on the tableau, nothing in stock and waste: no tap
    // passes its conditions and no card can be picked up.
    GameDefinition d = klondikeDefinition();
    d.piles[kStock].dealCount = 0;
    d.piles[kWaste].dealCount = 0;
    d.piles[kFirstTableau].dealFaceUp = 0;
    d.piles[kFirstTableau + 6].dealCount = 31;
    d.faceToggles.clear();
    dealGame(engine, d, 1);
    EXPECT_FALSE(engine.findMove(0).has_value());
    EXPECT_FALSE(engine.isWon());
}

}  // namespace
}  // namespace velmora
