// The view built from real deals of the embedded games, and from states that
// do not fit their definition.
#include <gtest/gtest.h>

#include "field_view.h"
#include "game_fixture.h"

namespace velmora {
namespace {

constexpr ScreenMetrics kStandard{96, 96, BuildConfiguration::standard};
constexpr ScreenMetrics kVga{192, 192, BuildConfiguration::vga};

// Every pile holds the engine's cards in order, with their faces and flags.
void expectViewMatchesEngine(const FieldView& view, const Engine& engine)
{
    const GameDefinition& definition = engine.definition();
    ASSERT_EQ(view.pileCount(), definition.pileCount());
    for (int p = 0; p < view.pileCount(); ++p) {
        const ViewPile& pile = view.piles[static_cast<std::size_t>(p)];
        const std::vector<std::uint16_t>& ids = engine.cardsOn(p);
        ASSERT_EQ(pile.count(), static_cast<int>(ids.size())) << "pile " << p;
        EXPECT_EQ(pile.shown, engine.state().piles[static_cast<std::size_t>(p)].interactive != 0);
        for (int i = 0; i < pile.count(); ++i) {
            const ViewCard& card = pile.cards[static_cast<std::size_t>(i)];
            const CardDefinition& face = definition.cards[ids[static_cast<std::size_t>(i)]];
            EXPECT_EQ(card.cardId, ids[static_cast<std::size_t>(i)]);
            EXPECT_EQ(card.suit, face.suit - 1);
            EXPECT_EQ(card.rank, face.rank - 1);
            EXPECT_EQ(card.faceUp, engine.state().cards[card.cardId].faceUp != 0);
        }
    }
}

TEST(BuildView, KlondikeDealShowsTheDealtPilesAndAceMarks)
{
    Engine engine;
    testing::dealEmbeddedGame(engine, "Klondike", 7);
    FieldView view = BuildView(engine.definition(), engine.state());
    expectViewMatchesEngine(view, engine);

    // Each tableau pile's top card alone is face up.
    for (int k = 0; k < 7; ++k) {
        const ViewPile& column = view.piles[static_cast<std::size_t>(2 + k)];
        ASSERT_EQ(column.count(), k + 1);
        for (int i = 0; i < column.count(); ++i)
            EXPECT_EQ(column.cards[static_cast<std::size_t>(i)].faceUp, i == k);
        EXPECT_EQ(column.fanLimitAnchor, Anchor::Proportional);
    }
    // The empty foundations show an Ace of no particular suit.
    for (int f = 9; f < 13; ++f) {
        EXPECT_EQ(view.piles[static_cast<std::size_t>(f)].baseRank, 0);
        EXPECT_EQ(view.piles[static_cast<std::size_t>(f)].baseSuit, -1);
    }

    EXPECT_TRUE(view.largeCards);
    PrepareLayout(view, kStandard);
    EXPECT_EQ(view.card, (CardLayout{26, 35, 12, 12}));
    PrepareLayout(view, kVga);
    EXPECT_EQ(view.card, (CardLayout{52, 70, 24, 24}));
    EXPECT_EQ(cardLayout(kStandard, false), (CardLayout{20, 27, 9, 9}));
    EXPECT_EQ(cardLayout(kVga, false), (CardLayout{40, 54, 18, 18}));
}

TEST(BuildView, DisplayValuesOfBaseAndRedealMarks)
{
    Engine canfield;
    testing::dealEmbeddedGame(canfield, "Canfield", 3);
    const FieldView view = BuildView(canfield.definition(), canfield.state());
    // The card dealt to the first foundation sets every foundation's base rank.
    ASSERT_EQ(view.piles[3].count(), 1);
    for (int f = 3; f < 7; ++f)
        EXPECT_EQ(view.piles[static_cast<std::size_t>(f)].baseRank, view.piles[3].cards[0].rank);

    Engine lucie;
    testing::dealEmbeddedGame(lucie, "La Belle Lucie", 3);
    const FieldView fans = BuildView(lucie.definition(), lucie.state());
    expectViewMatchesEngine(fans, lucie);
    EXPECT_EQ(fans.piles[22].redealCounter(), 0);
    EXPECT_FALSE(fans.piles[23].shown);  // the gathering pile
}

// A one-card game with a pile per fan-limit anchor byte.
TEST(BuildView, FanLimitAnchorBytesAndDrawOrder)
{
    GameDefinition definition;
    GameState state;
    const std::uint8_t anchorBytes[] = {0, 1, 2, 3, 200};
    const std::uint8_t drawOrders[] = {2, 1, 2, 0, 1};
    for (int p = 0; p < 5; ++p) {
        PileDefinition pile{};
        pile.fanLimitAnchor = anchorBytes[p];
        pile.fanLimit = 40;
        pile.drawOrder = drawOrders[p];
        definition.piles.push_back(pile);
        state.piles.push_back(Pile{});
    }
    FieldView view = BuildView(definition, state);
    ASSERT_EQ(view.pileCount(), 5);
    const Anchor expected[] = {Anchor::Absolute, Anchor::Proportional, Anchor::FromFarEdge, Anchor::FromFarEdge,
                               Anchor::FromFarEdge};
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(view.piles[static_cast<std::size_t>(p)].fanLimitAnchor, expected[p]) << "pile " << p;

    // Equal draw orders keep the definition order.
    PrepareLayout(view, kStandard);
    const std::vector<DrawOrderEntry> order{{0, 3}, {1, 1}, {1, 4}, {2, 0}, {2, 2}};
    EXPECT_EQ(view.drawOrder, order);
}

TEST(BuildView, StatesThatDoNotFitGiveNoHoles)
{
    Engine engine;
    testing::dealEmbeddedGame(engine, "Klondike", 7);
    const GameDefinition& definition = engine.definition();

    GameState fewerPiles = engine.state();
    fewerPiles.piles.pop_back();
    EXPECT_TRUE(BuildView(definition, fewerPiles).piles.empty());

    // A card on a pile that does not exist is left out; duplicate positions
    // still give a dense pile.
    GameState damaged = engine.state();
    const std::uint16_t lost = engine.cardsOn(8).back();
    damaged.cards[lost].pile = 500;
    for (std::uint16_t id : engine.cardsOn(5))
        damaged.cards[id].position = 0;
    const FieldView view = BuildView(definition, damaged);
    EXPECT_EQ(view.piles[8].count(), 6);
    EXPECT_EQ(view.piles[5].count(), 4);
}

}  // namespace
}  // namespace velmora
