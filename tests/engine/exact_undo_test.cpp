// Undo of steps whose actions the definition alone cannot reverse: the win,
// flags that some cards of a range already had, permission entries a forbid
// removed or a permit added, and cards inserted at a clamped place.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "move_permissions.h"

namespace velmora {
namespace {

using namespace velmora::testing;

ActionDefinition actionOfKind(ActionKind kind, std::uint16_t pileA, std::uint16_t pileB = 0)
{
    ActionDefinition a{};
    a.kind = static_cast<std::uint8_t>(kind);
    a.pileA = pileA;
    a.pileB = pileB;
    return a;
}

ActionDefinition cardAttribute(std::uint16_t pile, std::uint8_t attribute, std::uint16_t value)
{
    ActionDefinition a = actionOfKind(ActionKind::setCardAttribute, pile);
    a.rangeMode = 0;  // the whole pile
    a.attribute = attribute;
    a.value = value;
    return a;
}

// The top card of pile A onto pile B, inserted by insertMode at offset.
ActionDefinition moveTopCard(std::uint16_t from, std::uint16_t to, std::uint8_t insertMode, std::uint16_t offset)
{
    ActionDefinition a = actionOfKind(ActionKind::moveCards, from, to);
    a.rangeMode = 1;
    a.rangeB = 1;
    a.insertMode = insertMode;
    a.insertOffset = offset;
    return a;
}

// Klondike whose waste, when tapped, runs `actions`; the initial permission
// list is `permissions` when given.
GameDefinition withWasteTapKey(const std::vector<ActionDefinition>& actions,
                               const std::vector<MovePermission>& permissions = {})
{
    GameDefinition d = klondikeDefinition();
    const auto key = static_cast<std::uint16_t>(d.triggerTypes.size());
    d.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::never));
    for (const ActionDefinition& action : actions) {
        d.actionLinks.push_back({key, static_cast<std::uint16_t>(d.actions.size())});
        d.actions.push_back(action);
    }
    d.piles[kWaste].tapKey = key;
    if (!permissions.empty())
        d.permissions = permissions;
    return d;
}

bool sameState(const GameState& a, const GameState& b)
{
    return sameBytes(a.cards, b.cards) && sameBytes(a.piles, b.piles) && a.permissions == b.permissions &&
           sameBytes(a.counters, b.counters) && a.gameOver == b.gameOver && sameBytes(a.history, b.history);
}

class ExactUndo : public ::testing::Test {
protected:
    // Deals the game, deals three cards to the waste so that it can be
    // tapped, and taps it; the state before the tap is kept in `before`.
    void tapWasteAfterDeal(const GameDefinition& definition)
    {
        dealGame(engine, definition, 7);
        step(kStock);
        before = engine.state();
        ASSERT_TRUE(engine.tapPile(kWaste, &sink));
        engine.runAfterMoveEvents(&sink);
    }

    void step(int pile)
    {
        ASSERT_TRUE(engine.tapPile(pile, &sink));
        engine.runAfterMoveEvents(&sink);
    }

    void expectUndoneExactly()
    {
        ASSERT_TRUE(engine.undoStep());
        EXPECT_TRUE(sameState(before, engine.state()));
        EXPECT_EQ(engine.state().permissions, before.permissions);
        expectConsistent(engine);
    }

    Engine engine;
    RecordingSink sink;
    GameState before;
};

TEST_F(ExactUndo, UndoingTheWinningStepClearsTheWonFlag)
{
    tapWasteAfterDeal(withWasteTapKey({actionOfKind(ActionKind::declareWon, 0)}));
    ASSERT_TRUE(engine.isWon());
    expectUndoneExactly();
    EXPECT_FALSE(engine.isWon());
    EXPECT_TRUE(engine.canTap(kWaste));
}

TEST_F(ExactUndo, ACardFlagIsGivenBackOnlyToTheCardsWhoseFlagChanged)
{
    // The last tableau pile: six cards face down under one face up. One card
    // in the middle is turned up too, so that the cards to change form two runs.
    const int pile = kFirstTableau + 6;
    dealGame(engine, withWasteTapKey({cardAttribute(pile, kCardFaceUp, 1)}), 7);
    GameState arranged = engine.state();
    arranged.cards[engine.cardAt(pile, 3)].faceUp = 1;
    engine.installState(arranged);
    step(kStock);
    before = engine.state();
    sink.changes.clear();
    ASSERT_TRUE(engine.tapPile(kWaste, &sink));
    engine.runAfterMoveEvents(&sink);
    for (int position = 0; position < 7; ++position)
        EXPECT_EQ(engine.state().cards[engine.cardAt(pile, position)].faceUp, 1);
    ASSERT_EQ(sink.changes.size(), 1u);  // one action handed on, whatever its entries
    expectUndoneExactly();
    EXPECT_EQ(engine.state().cards[engine.topCard(pile)].faceUp, 1);
}

TEST_F(ExactUndo, UndoingAPermitKeepsTheNarrowerEntriesThatWereThere)
{
    const std::vector<MovePermission> permissions{{kWaste, kFirstTableau}, {kAnyPile, kFirstFoundation}};
    tapWasteAfterDeal(withWasteTapKey({actionOfKind(ActionKind::permitMoves, kWaste, kAnyPile)}, permissions));
    ASSERT_EQ(engine.state().permissions.size(), 3u);
    expectUndoneExactly();
}

TEST_F(ExactUndo, UndoingAForbidPutsBackExactlyTheEntriesItRemoved)
{
    const std::vector<MovePermission> lists[] = {
        {{kAnyPile, kAnyPile}},
        {{kStock, kWaste}, {kWaste, kAnyPile}, {kAnyPile, kFirstFoundation}, {kWaste, kFirstFoundation}},
        {{kWaste, 5}, {kAnyPile, kAnyPile}, {3, kAnyPile}, {kAnyPile, 4}},
    };
    const std::pair<std::uint16_t, std::uint16_t> forbidden[] = {
        {kWaste, kFirstFoundation}, {kAnyPile, kFirstFoundation}, {kWaste, kAnyPile}, {3, 4}};
    for (const std::vector<MovePermission>& list : lists)
        for (const auto& [from, to] : forbidden) {
            SCOPED_TRACE(std::to_string(from) + " -> " + std::to_string(to));
            // Two forbids in one step, the second finding the first's entries.
            tapWasteAfterDeal(withWasteTapKey(
                {actionOfKind(ActionKind::forbidMoves, from, to), actionOfKind(ActionKind::forbidMoves, 3, kAnyPile)},
                list));
            expectUndoneExactly();
        }
}

TEST_F(ExactUndo, CardsInsertedAtAClampedPlaceAreFoundThereAgain)
{
    // The waste holds six cards; an offset of 10 counted from the top puts
    // the stock's top card at the waste's bottom, counted from the bottom on
    // its top.
    for (std::uint8_t insertMode : {1, 2}) {
        SCOPED_TRACE(int(insertMode));
        tapWasteAfterDeal(withWasteTapKey({moveTopCard(kStock, kWaste, insertMode, 10)}));
        ASSERT_EQ(before.piles[kWaste].count, 6);
        ASSERT_EQ(engine.state().piles[kWaste].count, 7);
        const std::uint16_t moved = engine.cardAt(kWaste, insertMode == 1 ? 0 : 6);
        EXPECT_EQ(before.cards[moved].pile, kStock);
        EXPECT_EQ(before.cards[moved].position, before.piles[kStock].count - 1);
        expectUndoneExactly();
    }
}

TEST_F(ExactUndo, AMoveWithinOnePileIsUndoneExactly)
{
    // The top card of the last tableau pile goes to its bottom and back.
    const int pile = kFirstTableau + 6;
    tapWasteAfterDeal(withWasteTapKey({moveTopCard(pile, pile, 2, 0)}));
    EXPECT_EQ(before.cards[engine.cardAt(pile, 0)].position, 6);
    expectUndoneExactly();
}

}  // namespace
}  // namespace velmora
