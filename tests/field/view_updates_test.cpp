// View updates: real games replayed through the change sink must leave the
// view equal to a freshly built one, and the single updates behave at the
// edges of their piles.
#include <algorithm>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "view_builders.h"
#include "view_changes.h"

namespace velmora {
namespace {

using testing::pileAt;
using testing::viewOf;

// Plays one step the way the field does and applies what the engine reported.
void playStep(Engine& engine, FieldView& view, const Move& move, std::vector<ViewUpdate>& seen)
{
    UpdateList updates(view);
    auto apply = [&] {
        seen.insert(seen.end(), updates.updates().begin(), updates.updates().end());
        applyUpdates(view, updates);
    };
    if (move.isTap) {
        engine.tapPile(move.pile, &updates);
    } else {
        const Card& card = engine.state().cards[move.card];
        const int source = card.pile;
        const int first = card.position;
        ASSERT_TRUE(engine.moveCards(move.card, move.destination, &updates));
        ASSERT_TRUE(moveViewCards(view, playerMove(view, source, first, move.destination)));
    }
    apply();
    engine.runAfterMoveEvents(&updates);
    apply();
}

bool sawType(const std::vector<ViewUpdate>& seen, UpdateType type)
{
    return std::any_of(seen.begin(), seen.end(), [type](const ViewUpdate& u) { return u.type == type; });
}

TEST(ViewUpdates, KlondikeReplayKeepsTheViewEqualToTheGame)
{
    Engine engine;
    testing::dealEmbeddedGame(engine, "Klondike", 11);
    FieldView view = BuildView(engine.definition(), engine.state());
    std::vector<ViewUpdate> seen;
    int moves = 0;
    for (int step = 0; step < 80 && !engine.isWon(); ++step) {
        std::vector<Move> legal;
        engine.forEachMove([&](const Move& m) { legal.push_back(m); return true; });
        ASSERT_FALSE(legal.empty());
        const Move move = legal[static_cast<std::size_t>(step * 7) % legal.size()];
        moves += move.isTap ? 0 : 1;
        playStep(engine, view, move, seen);
        ASSERT_EQ(view.piles, BuildView(engine.definition(), engine.state()).piles) << "after step " << step;
    }
    // The replay went through stock deals, turned cards and player moves.
    EXPECT_GT(moves, 5);
    EXPECT_TRUE(sawType(seen, UpdateType::moveCards));
    EXPECT_TRUE(sawType(seen, UpdateType::turnCards));
}

TEST(ViewUpdates, LucieRedealsShuffleAndCountDown)
{
    Engine engine;
    testing::dealEmbeddedGame(engine, "La Belle Lucie", 5);
    FieldView view = BuildView(engine.definition(), engine.state());
    std::vector<ViewUpdate> seen;
    constexpr std::uint16_t kRedealPile = 22;
    for (int counter : {1, 2}) {
        ASSERT_TRUE(engine.canTap(kRedealPile));
        Move tap;
        tap.isTap = true;
        tap.pile = kRedealPile;
        playStep(engine, view, tap, seen);
        EXPECT_EQ(view.piles, BuildView(engine.definition(), engine.state()).piles);
        EXPECT_EQ(view.piles[kRedealPile].redealCounter(), counter);
    }
    EXPECT_TRUE(sawType(seen, UpdateType::shufflePile));
    EXPECT_TRUE(sawType(seen, UpdateType::setDisplayValues));
}

TEST(ViewUpdates, DisplayValuesReadByThePileStyle)
{
    ViewPile base = pileAt(20, 20);
    base.style = kStyleBaseCard;
    ViewPile redeal = pileAt(50, 20);
    redeal.style = kStyleRedealMark;
    FieldView view = viewOf({base, redeal, pileAt(80, 20)});
    UpdateList updates(view);
    auto setValue = [&](std::uint16_t pile, std::uint8_t attribute, std::uint16_t value) {
        ActionDefinition action{};
        action.kind = static_cast<std::uint8_t>(ActionKind::setPileAttribute);
        action.pileA = pile;
        action.attribute = attribute;
        action.value = value;
        updates.AppendEvent(action);
    };
    setValue(0, kPileDisplayValue, 0x0305);  // Five of diamonds
    setValue(1, kPileDisplayValue, 0xFFFF);
    setValue(2, kPileDisplayValue, 4);  // a plain pile shows no value
    setValue(2, kPileEnabled, 0);       // nothing visible
    ASSERT_EQ(updates.updates().size(), 2u);
    applyUpdates(view, updates);
    EXPECT_TRUE(updates.empty());
    EXPECT_EQ(view.piles[0].baseRank, 4);
    EXPECT_EQ(view.piles[0].baseSuit, 2);
    EXPECT_EQ(view.piles[1].redealCounter(), 0xFFFF);
}

ViewUpdate update(UpdateType type, std::uint32_t mode, std::uint16_t a, std::uint16_t b)
{
    ViewUpdate u;
    u.type = type;
    u.selectionMode = mode;
    u.firstCount = a;
    u.secondCount = b;
    return u;
}

// Selections and destinations are cut to the pile as the engine cuts them.
TEST(ViewUpdates, SelectionsAndDestinationsStayInsideThePiles)
{
    auto select = [](std::uint32_t mode, std::uint16_t a, std::uint16_t b, int n) {
        return selectedCards(update(UpdateType::turnCards, mode, a, b), n);
    };
    EXPECT_EQ(select(0, 1, 1, 5), (CardRange{1, 3}));
    EXPECT_EQ(select(2, 2, 10, 5), (CardRange{2, 3}));  // runs past the top
    EXPECT_EQ(select(1, 1, 5, 3), (CardRange{0, 2}));   // below the bottom: keeps the upper end
    EXPECT_EQ(select(2, 7, 1, 5).count, 0);

    FieldView view = viewOf({pileAt(20, 20, Spread::down, 5), pileAt(50, 20, Spread::down, 2)});
    ViewUpdate move = update(UpdateType::moveCards, 1, 0, 2);  // the two top cards
    move.destinationMode = 1;
    move.destinationValue = 1;  // one below the top of what is left
    EXPECT_EQ(transferFor(view, move), (CardTransfer{0, 3, 2, 0, 2}));
    move.target = 1;
    move.destinationMode = 2;
    move.destinationValue = 9;  // beyond the top of two cards
    applyUpdate(view, move);
    ASSERT_EQ(view.piles[1].count(), 4);
    EXPECT_EQ(view.piles[1].cards[2].cardId, 3);
    EXPECT_FALSE(moveViewCards(view, CardTransfer{0, 2, 2, 1, 0}));  // pile 0 has 3 cards
    EXPECT_FALSE(moveViewCards(view, CardTransfer{0, 0, 1, 1, 5}));
}

TEST(ViewUpdates, ShuffleReverseAndHide)
{
    FieldView view = viewOf({pileAt(20, 20, Spread::down, 4), pileAt(50, 20, Spread::squared, 1)});
    auto ids = [&view] {
        std::vector<int> result;
        for (const ViewCard& card : view.piles[0].cards)
            result.push_back(card.cardId);
        return result;
    };
    ViewUpdate shuffle = update(UpdateType::shufflePile, 0, 0, 0);
    shuffle.value = 1;  // card i changes place with card i + 1 in turn, the last with the first
    applyUpdate(view, shuffle);
    EXPECT_EQ(ids(), (std::vector<int>{0, 2, 3, 1}));
    applyUpdate(view, update(UpdateType::reversePile, 0, 0, 0));
    EXPECT_EQ(ids(), (std::vector<int>{1, 3, 2, 0}));

    ViewUpdate hide = update(UpdateType::showPile, 0, 0, 0);
    hide.pile = 1;
    applyUpdate(view, hide);
    EXPECT_FALSE(view.piles[1].shown);
}

}  // namespace
}  // namespace velmora
