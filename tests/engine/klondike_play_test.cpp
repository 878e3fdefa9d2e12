// Playing the Klondike record through the engine: stock, redeal, exposing
// cards, whole-step undo, and random play undone step by step.
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// Everything of a game but its history.
struct Snapshot {
    std::vector<Card> cards;
    std::vector<Pile> piles;
    std::vector<MovePermission> permissions;
    std::vector<Counter> counters;
    std::uint8_t gameOver;

    explicit Snapshot(const GameState& s)
        : cards(s.cards), piles(s.piles), permissions(s.permissions), counters(s.counters),
          gameOver(s.gameOver)
    {
    }

    bool operator==(const Snapshot& other) const
    {
        return sameBytes(cards, other.cards) && sameBytes(piles, other.piles) && permissions == other.permissions &&
               sameBytes(counters, other.counters) && gameOver == other.gameOver;
    }
};

class KlondikePlay : public ::testing::Test {
protected:
    void deal(GameNumber number) { dealGame(engine, klondikeDefinition(), number); }

    bool tap(int pile)
    {
        const bool changed = engine.tapPile(pile, &sink);
        engine.runAfterMoveEvents(&sink);
        return changed;
    }

    bool move(int card, int pile)
    {
        if (!engine.moveCards(card, pile, &sink))
            return false;
        engine.runAfterMoveEvents(&sink);
        return true;
    }

    int count(int pile) const { return engine.state().piles[pile].count; }

    Engine engine;
    RecordingSink sink;
};

TEST_F(KlondikePlay, TappingTheStockDealsThreeCardsAsOneStep)
{
    deal(3);
    const Snapshot before(engine.state());
    const std::uint16_t dealt[] = {engine.cardAt(kStock, 0), engine.cardAt(kStock, 1), engine.cardAt(kStock, 2)};

    ASSERT_TRUE(engine.canTap(kStock));
    EXPECT_TRUE(tap(kStock));
    EXPECT_EQ(count(kStock), 18);
    EXPECT_EQ(count(kWaste), 6);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(engine.cardAt(kWaste, 3 + i), dealt[i]);
        EXPECT_EQ(engine.state().cards[dealt[i]].faceUp, 1);
    }
    ASSERT_EQ(sink.changes.size(), 2u);
    EXPECT_EQ(sink.changes[0].actionNumber, 0);
    EXPECT_EQ(sink.changes[1].actionNumber, 1);
    EXPECT_EQ(sink.changes[1].returned, 3);  // cards moved

    const auto& history = engine.state().history;
    ASSERT_FALSE(history.empty());
    EXPECT_EQ(history[0].groupStart, 1);
    for (std::size_t i = 1; i < history.size(); ++i)
        EXPECT_EQ(history[i].groupStart, 0);

    EXPECT_TRUE(engine.undoStep());
    EXPECT_TRUE(Snapshot(engine.state()) == before);
    EXPECT_TRUE(engine.state().history.empty());
    EXPECT_FALSE(engine.undoStep());
    expectConsistent(engine);
}

TEST_F(KlondikePlay, TheEmptyStockTurnsTheWasteOverInOrder)
{
    deal(5);
    for (int i = 0; i < 7; ++i)
        ASSERT_TRUE(tap(kStock));
    ASSERT_EQ(count(kStock), 0);
    ASSERT_EQ(count(kWaste), 24);
    const std::vector<std::uint16_t> waste = engine.cardsOn(kWaste);
    const Snapshot before(engine.state());

    ASSERT_TRUE(engine.canTap(kStock));
    EXPECT_TRUE(tap(kStock));
    EXPECT_EQ(count(kWaste), 0);
    EXPECT_EQ(engine.cardsOn(kStock), waste);
    for (std::uint16_t card : waste)
        EXPECT_EQ(engine.state().cards[card].faceUp, 0);

    // The next deal takes the old bottom of the waste.
    ASSERT_TRUE(tap(kStock));
    EXPECT_EQ(engine.cardAt(kWaste, 0), waste[0]);

    ASSERT_TRUE(engine.undoStep());
    ASSERT_TRUE(engine.undoStep());
    EXPECT_TRUE(Snapshot(engine.state()) == before);
    expectConsistent(engine);
}

TEST_F(KlondikePlay, NoRedealWhileTheWasteIsEmpty)
{
    GameDefinition d = klondikeDefinition();
    d.piles[kStock].dealCount = 0;
    d.piles[kWaste].dealCount = 0;
    d.piles[kFirstTableau + 6].dealCount = 31;
    dealGame(engine, d, 2);
    ASSERT_EQ(count(kStock), 0);
    ASSERT_EQ(count(kWaste), 0);
    EXPECT_FALSE(engine.canTap(kStock));
    EXPECT_FALSE(engine.tapPile(kStock, &sink));
    EXPECT_TRUE(engine.state().history.empty());
    EXPECT_TRUE(sink.changes.empty());
}

// Finds a deal with a legal move that uncovers a face-down tableau card.
std::optional<std::pair<GameNumber, Move>> findExposingMove()
{
    for (GameNumber number = 1; number < 500; ++number) {
        Engine engine;
        dealGame(engine, klondikeDefinition(), number);
        std::optional<Move> found;
        engine.forEachMove([&](const Move& move) {
            if (move.isTap)
                return true;
            const Card& card = engine.state().cards[move.card];
            if (card.pile < kFirstTableau || card.pile >= kFirstFoundation || card.position == 0)
                return true;
            if (engine.state().cards[engine.cardAt(card.pile, card.position - 1)].faceUp)
                return true;
            found = move;
            return false;
        });
        if (found)
            return std::make_pair(number, *found);
    }
    return std::nullopt;
}

TEST_F(KlondikePlay, AnExposedCardIsTurnedUpAndUndoTurnsItDownAgain)
{
    const auto exposing = findExposingMove();
    ASSERT_TRUE(exposing.has_value());
    deal(exposing->first);
    const Move legal = exposing->second;
    const Card moved = engine.state().cards[legal.card];
    const std::uint16_t under = engine.cardAt(moved.pile, moved.position - 1);
    const Snapshot before(engine.state());

    ASSERT_TRUE(engine.canPickUp(legal.card));
    ASSERT_TRUE(engine.canDrop(legal.card, legal.destination));
    ASSERT_TRUE(move(legal.card, legal.destination));
    EXPECT_EQ(engine.state().cards[under].faceUp, 1);
    EXPECT_EQ(engine.state().cards[under].open, 1);
    EXPECT_EQ(engine.topCard(legal.destination), legal.card);
    // The turn-up was handed to the field; the player's own move was not.
    ASSERT_EQ(sink.changes.size(), 1u);
    EXPECT_EQ(sink.changes[0].action.kind, static_cast<std::uint8_t>(ActionKind::setCardAttribute));

    ASSERT_TRUE(engine.undoStep());
    EXPECT_TRUE(Snapshot(engine.state()) == before);
    EXPECT_TRUE(engine.state().history.empty());
}

// Open flags follow the top cards after every step, also on piles the step
// did not touch: here an action of the stock's tap opens the bottom card of
// the last tableau pile, and an installed state has it open already.
TEST_F(KlondikePlay, OpenFlagsArePutRightOnPilesTheStepDidNotTouch)
{
    constexpr int kLastTableau = kFirstTableau + 6;
    GameDefinition definition = klondikeDefinition();
    ActionDefinition open{};
    open.kind = static_cast<std::uint8_t>(ActionKind::setCardAttribute);
    open.pileA = kLastTableau;
    open.rangeMode = 2;  // [0, 1): the bottom card
    open.rangeB = 1;
    open.attribute = kCardOpen;
    open.value = 1;
    definition.actions.push_back(open);
    definition.actionLinks.push_back({kDealKey, static_cast<std::uint16_t>(definition.actions.size() - 1)});
    dealGame(engine, definition, 3);
    const std::uint16_t bottom = engine.cardAt(kLastTableau, 0);
    ASSERT_TRUE(tap(kStock));
    EXPECT_EQ(engine.state().cards[bottom].open, 0) << "opened by the tap, closed again after it";

    dealGame(engine, klondikeDefinition(), 3);
    GameState state = engine.state();
    state.cards[bottom].open = 1;
    engine.installState(state);
    ASSERT_TRUE(tap(kStock));
    EXPECT_EQ(engine.state().cards[bottom].open, 0);
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(engine.state().cards[bottom].open, 1) << "undo gives the installed flag back";
    ASSERT_TRUE(tap(kStock));
    EXPECT_EQ(engine.state().cards[bottom].open, 0) << "and the next step closes it again";
}

TEST_F(KlondikePlay, RefusedMovesChangeAndRecordNothing)
{
    deal(11);
    const Snapshot before(engine.state());
    // A face-down tableau card cannot be picked up; the stock never.
    EXPECT_FALSE(engine.canPickUp(engine.cardAt(kFirstTableau + 6, 0)));
    EXPECT_FALSE(engine.canPickUp(engine.cardAt(kStock, 20)));
    // Nothing but an Ace goes onto an empty foundation, and only alone.
    for (int card = 0; card < 52; ++card) {
        const bool ace = engine.definition().cards[card].rank == 1;
        const Card& c = engine.state().cards[card];
        const bool alone = c.position + 1 == engine.state().piles[c.pile].count;
        if (!(ace && alone && c.faceUp)) {
            EXPECT_FALSE(engine.moveCards(card, kFirstFoundation, &sink)) << card;
        }
    }
    EXPECT_FALSE(engine.moveCards(0, 99, &sink));
    EXPECT_FALSE(engine.moveCards(-1, kFirstFoundation, &sink));
    EXPECT_FALSE(engine.tapPile(99, &sink));
    EXPECT_TRUE(Snapshot(engine.state()) == before);
    EXPECT_TRUE(engine.state().history.empty());
}

TEST_F(KlondikePlay, HistoryGrowsPastThirtyEntriesAndUndoesToTheDeal)
{
    deal(21);
    const Snapshot dealt(engine.state());
    int steps = 0;
    for (; engine.state().history.size() <= 45; ++steps)
        ASSERT_TRUE(tap(kStock));
    for (int i = 0; i < steps; ++i)
        ASSERT_TRUE(engine.undoStep());
    EXPECT_TRUE(engine.state().history.empty());
    EXPECT_TRUE(Snapshot(engine.state()) == dealt);
}

// Random legal play, every step undone again in reverse order: undo must
// restore exactly the state before each step.
TEST_F(KlondikePlay, RandomPlayUndoesStepByStep)
{
    for (GameNumber number : {1u, 77u, 4242u, 0xDEADBEEFu}) {
        deal(number);
        std::mt19937 random(number);
        std::vector<Snapshot> before;
        for (int step = 0; step < 150; ++step) {
            std::vector<Move> moves;
            engine.forEachMove([&](const Move& m) {
                moves.push_back(m);
                return true;
            });
            if (moves.empty())
                break;
            const Move chosen = moves[random() % moves.size()];
            before.emplace_back(engine.state());
            if (chosen.isTap)
                tap(chosen.pile);
            else
                ASSERT_TRUE(move(chosen.card, chosen.destination));
            expectConsistent(engine);
            if (engine.isWon())
                break;
        }
        for (auto it = before.rbegin(); it != before.rend(); ++it) {
            ASSERT_TRUE(engine.undoStep());
            ASSERT_TRUE(Snapshot(engine.state()) == *it) << "game " << number;
        }
        EXPECT_FALSE(engine.undoStep());
    }
}

}  // namespace
}  // namespace velmora
