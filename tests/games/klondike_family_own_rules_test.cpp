// Klondike-family games whose foundations start from a rank set in play (by
// the card dealt to the first foundation, or by the first card the player
// puts there), stocks that deal to the reserve piles or turn fewer cards
// each pass, spaces that take one card, a tableau dealt again, and
// foundations that take only whole suits.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

int rankOf(const Engine& engine, int card) { return engine.definition().cards[static_cast<std::size_t>(card)].rank; }
int suitOf(const Engine& engine, int card) { return engine.definition().cards[static_cast<std::size_t>(card)].suit; }
int rankAbove(int rank) { return rank == 13 ? 1 : rank + 1; }
int rankBelow(int rank) { return rank == 1 ? 13 : rank - 1; }
std::uint32_t shownRank(const Engine& engine, int pile)
{
    return engine.state().piles[static_cast<std::size_t>(pile)].displayValue;
}

bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}

// Where a game's piles are: the first tableau pile (at least two), the first
// foundation, and how many foundations follow it.
struct BaseGame {
    const char* game;
    int tableau;
    int foundation;
    int foundations;
};

const BaseGame kDealtBase[] = {
    {"Jane", 2, 16, 4},
    {"Agnes Bernauer", 1, 15, 4},
    {"Agnes Two", 1, 21, 8},
};

// A suit other than `suit`, of the other colour (spades and clubs are black).
int otherColour(int suit) { return suit <= kClubs ? kHearts : kSpades; }

TEST(KlondikeFamilyOwnRules, TheDealtCardSetsTheBaseOfEveryFoundationAndWhatFillsASpace)
{
    for (const BaseGame& g : kDealtBase) {
        for (GameNumber deal = 1; deal <= 6; ++deal) {
            SCOPED_TRACE(std::string(g.game) + " deal " + std::to_string(deal));
            Engine engine;
            dealEmbeddedGame(engine, g.game, deal);
            ASSERT_EQ(cardsOn(engine, g.foundation), 1);
            const int baseCard = engine.topCard(g.foundation);
            const int base = rankOf(engine, baseCard), baseSuit = suitOf(engine, baseCard);
            // The empty foundations show the base; the first holds its card.
            for (int f = 1; f < g.foundations; ++f)
                EXPECT_EQ(shownRank(engine, g.foundation + f), static_cast<std::uint32_t>(base));

            const int suit = otherColour(baseSuit);
            const int sameRank = cardOf(engine, suit, base), next = cardOf(engine, suit, rankAbove(base));
            const int below = cardOf(engine, suit, rankBelow(base));
            const int king = cardOf(engine, suit, 13), ace = cardOf(engine, otherColour(suit), 1);
            const int last = engine.definition().pileCount() - 1;
            // Pile tableau + 1 is the space. With a base of Queen, King or Ace
            // the King is one of the three cards already laid.
            const bool kingApart = king != sameRank && king != next && king != below;
            std::vector<PileContent> board = {{g.foundation, {baseCard}},
                                              {g.tableau, {sameRank}},
                                              {g.tableau + 2, {next}},
                                              {g.tableau + 3, {below}}};
            if (kingApart)
                board.push_back({g.tableau + 4, {king}});
            arrangeBoard(engine, board, last);
            EXPECT_TRUE(engine.canDrop(sameRank, g.foundation + 1)) << "the base rank starts a foundation";
            EXPECT_FALSE(engine.canDrop(next, g.foundation + 1)) << "no other rank starts one";
            EXPECT_TRUE(engine.canDrop(below, g.tableau + 1)) << "the rank below the base fills a space";
            EXPECT_FALSE(engine.canDrop(sameRank, g.tableau + 1)) << "the base rank does not";
            if (kingApart) {
                EXPECT_FALSE(engine.canDrop(king, g.tableau + 1)) << "a King fills a space only below an Ace base";
            }

            if (base != 1 && base != 13 && suitOf(engine, ace) != baseSuit) {
                const int aceSuit = suitOf(engine, ace);
                const int kingOfAce = cardOf(engine, aceSuit, 13);
                arrangeBoard(engine, {{g.foundation, {baseCard}}, {g.foundation + 1, {kingOfAce}},
                                      {g.tableau, {ace}}, {g.tableau + 1, {king}}},
                             last);
                EXPECT_TRUE(engine.canDrop(ace, g.foundation + 1)) << "foundations go on from King to Ace";
                EXPECT_TRUE(engine.canDrop(king, g.tableau)) << "a King goes on an Ace of the other colour";
            }
        }
    }
}

// With two packs a foundation stops at thirteen cards, although the second
// pack's base card of its suit would follow its King-to-Ace round.
TEST(KlondikeFamilyOwnRules, ATwoPackFoundationIsFullAtThirteenCards)
{
    Engine engine;
    dealEmbeddedGame(engine, "Agnes Two", 1);
    const int foundation = 21, baseCard = engine.topCard(foundation);
    const int base = rankOf(engine, baseCard), suit = suitOf(engine, baseCard);
    // The other pack's whole round of the base card's suit fills a
    // foundation; the base card itself then waits on the tableau.
    const int otherPack = baseCard < 52 ? 52 : 0;
    std::vector<int> round;
    for (int k = 0, rank = base; k < 13; ++k, rank = rankAbove(rank))
        round.push_back(cardOf(engine, suit, rank) + otherPack);
    arrangeBoard(engine, {{foundation + 1, round}, {1, {baseCard}}}, engine.definition().pileCount() - 1);
    EXPECT_FALSE(engine.canDrop(baseCard, foundation + 1));
    EXPECT_TRUE(engine.canDrop(baseCard, foundation + 2));
}

// Nine Across: stock 0, waste 1, tableau 2-10, foundations 11-14.
TEST(KlondikeFamilyOwnRules, TheFirstCardPlayedToTheFirstFoundationChoosesTheBaseUntilUndone)
{
    constexpr int kTableau = 2, kFoundation = 11;
    Engine engine;
    dealEmbeddedGame(engine, "Nine Across", 3);
    const int five = cardOf(engine, kHearts, 5), otherFive = cardOf(engine, kSpades, 5);
    const int four = cardOf(engine, kClubs, 4), king = cardOf(engine, kSpades, 13);
    const int six = cardOf(engine, kDiamonds, 6);
    arrangeBoard(engine, {{kTableau, {five}}, {kTableau + 1, {otherFive}}, {kTableau + 2, {four}},
                          {kTableau + 4, {king}}, {kTableau + 5, {six}}},
                 0);
    EXPECT_FALSE(engine.canDrop(five, kFoundation + 1)) << "the base is chosen on the first foundation";
    EXPECT_FALSE(engine.canDrop(king, kTableau + 3)) << "a space takes nothing before the choice";
    ASSERT_TRUE(engine.canDrop(five, kFoundation));
    ASSERT_TRUE(move(engine, five, kFoundation));

    for (int f = 1; f < 4; ++f)
        EXPECT_EQ(shownRank(engine, kFoundation + f), 5u);
    EXPECT_TRUE(engine.canDrop(otherFive, kFoundation + 1));
    EXPECT_FALSE(engine.canDrop(six, kFoundation + 1));
    EXPECT_TRUE(engine.canDrop(four, kTableau)) << "the rank below the base fills a space";
    EXPECT_FALSE(engine.canDrop(king, kTableau));
    EXPECT_FALSE(engine.canPickUp(five)) << "the base card stays";

    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(cardsOn(engine, kFoundation), 0);
    EXPECT_EQ(shownRank(engine, kFoundation + 1), 0u);
    EXPECT_FALSE(engine.canDrop(otherFive, kFoundation + 1));
    EXPECT_TRUE(engine.canDrop(otherFive, kFoundation)) << "any card may be chosen again";
}

// Taps on a fresh deal until the stock refuses: the cards each reserve then
// holds, and what is left face up on the stock and the waste.
struct ReserveDeal {
    const char* game;
    int firstReserve;
    int reserves;
    int taps;
    std::vector<int> reserveCards;  // from the first reserve on
    int waste;   // the waste pile, or -1
    bool stockOpen;  // the stock's last card lies face up and may be played
};

const ReserveDeal kReserveDeals[] = {
    {"Jane", 9, 7, 2, {3, 3, 3, 3, 3, 3, 3}, 1, true},
    {"Agnes Bernauer", 8, 7, 3, {4, 4, 3, 3, 3, 3, 3}, -1, false},
    {"Agnes Two", 11, 10, 4, {5, 5, 5, 5, 5, 5, 5, 5, 4, 4}, -1, false},
    {"Senate", 5, 8, 11, {12, 12, 12, 12, 11, 11, 11, 11}, -1, false},
};

TEST(KlondikeFamilyOwnRules, TheStockDealsRowsToTheReservesAsFarAsItLasts)
{
    for (const ReserveDeal& d : kReserveDeals) {
        SCOPED_TRACE(d.game);
        Engine engine;
        dealEmbeddedGame(engine, d.game, 2);
        for (int tap = 0; tap < d.taps; ++tap)
            ASSERT_TRUE(applyStep(engine, Step::tapOn(0), nullptr)) << "tap " << tap;
        EXPECT_FALSE(engine.canTap(0));
        for (int k = 0; k < d.reserves; ++k) {
            EXPECT_EQ(cardsOn(engine, d.firstReserve + k), d.reserveCards[static_cast<std::size_t>(k)]) << k;
            EXPECT_TRUE(engine.state().cards[static_cast<std::size_t>(engine.topCard(d.firstReserve + k))].faceUp);
        }
        EXPECT_EQ(cardsOn(engine, 0), d.stockOpen ? 1 : 0);
        if (d.stockOpen) {
            EXPECT_TRUE(engine.canPickUp(engine.topCard(0)));
        }
        if (d.waste >= 0) {
            ASSERT_EQ(cardsOn(engine, d.waste), 1);
            EXPECT_TRUE(engine.canPickUp(engine.topCard(d.waste)));
        }
    }
}

// Gold Rush: stock 0, waste 1. Each pass turns one card fewer per tap, and
// undoing a redeal goes back to the pass before it.
TEST(KlondikeFamilyOwnRules, EachPassThroughTheStockTurnsOneCardFewer)
{
    Engine engine;
    dealEmbeddedGame(engine, "Gold Rush", 1);
    auto tap = [&engine] { return applyStep(engine, Step::tapOn(0), nullptr); };
    for (int pass = 0, perTap = 3; pass < 3; ++pass, --perTap) {
        SCOPED_TRACE("pass " + std::to_string(pass + 1));
        if (pass > 0) {
            ASSERT_TRUE(tap());  // the redeal
            ASSERT_EQ(cardsOn(engine, 1), 0);
        }
        const int stock = cardsOn(engine, 0);
        ASSERT_TRUE(tap());
        EXPECT_EQ(cardsOn(engine, 1), std::min(perTap, stock) + (pass == 0 ? 3 : 0));
        while (cardsOn(engine, 0) > 0)
            ASSERT_TRUE(tap());
        if (pass == 1) {
            ASSERT_TRUE(tap());
            ASSERT_TRUE(engine.undoStep());
            ASSERT_TRUE(engine.undoStep());
            const int waste = cardsOn(engine, 1), left = cardsOn(engine, 0);
            ASSERT_GT(left, 0);
            ASSERT_TRUE(tap());
            EXPECT_EQ(cardsOn(engine, 1), waste + std::min(2, left)) << "still two a tap";
            while (cardsOn(engine, 0) > 0)
                ASSERT_TRUE(tap());
        }
    }
    EXPECT_FALSE(engine.canTap(0)) << "no fourth pass";
}

// Eight by Eight: tableau 2-9. A space takes one card, never a group.
TEST(KlondikeFamilyOwnRules, ASpaceThatTakesOneCardRefusesAGroup)
{
    Engine engine;
    dealEmbeddedGame(engine, "Eight by Eight", 1);
    const int ten = cardOf(engine, kHearts, 10), nine = cardOf(engine, kSpades, 9);
    arrangeBoard(engine, {{2, {ten, nine}}, {4, {cardOf(engine, kHearts, 11)}}}, 0);
    EXPECT_FALSE(engine.canDrop(ten, 3));
    EXPECT_TRUE(engine.canDrop(ten, 4)) << "the group builds on a pile";
    EXPECT_TRUE(engine.canDrop(nine, 3));
}

// Usk: stock 0, tableau 1-10, foundations 11-14. With the Aces on the
// foundations, the redeal gathers 48 cards and deals rounds of ten, nine,
// eight and so on piles from the right.
TEST(KlondikeFamilyOwnRules, TheTableauIsGatheredAndDealtAgainOnce)
{
    Engine engine;
    dealEmbeddedGame(engine, "Usk", 1);
    EXPECT_TRUE(engine.canTap(0));
    arrangeBoard(engine, {{11, {cardOf(engine, kSpades, 1)}}, {12, {cardOf(engine, kClubs, 1)}},
                          {13, {cardOf(engine, kDiamonds, 1)}}, {14, {cardOf(engine, kHearts, 1)}}},
                 1);
    ASSERT_TRUE(applyStep(engine, Step::tapOn(0), nullptr));
    const int expected[] = {1, 2, 3, 4, 5, 6, 7, 7, 7, 6};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(cardsOn(engine, 1 + k), expected[k]) << "pile " << k;
    EXPECT_EQ(cardsOn(engine, 0), 0);
    EXPECT_FALSE(engine.canTap(0)) << "only one redeal";
}

// Brush: stock 0, waste 1, tableau 2-11, foundations 12-19.
constexpr int kBrushWaste = 1, kBrushTableau = 2, kBrushFoundation = 12;

// Card numbers of a suit from `high` down to `low`, bottom first; `copy` 1
// takes the second pack's cards.
std::vector<int> suitRun(const Engine& engine, int suit, int high, int low, int copy = 0)
{
    std::vector<int> cards;
    for (int rank = high; rank >= low; --rank)
        cards.push_back(cardOf(engine, suit, rank) + 52 * copy);
    return cards;
}

TEST(KlondikeFamilyOwnRules, BrushDealsThreeCardsFaceDownUnderOneAndOneCardToTheWaste)
{
    for (GameNumber deal : {1, 2, 3}) {
        SCOPED_TRACE("deal " + std::to_string(deal));
        Engine engine;
        dealEmbeddedGame(engine, "Brush", deal);
        for (int pile = kBrushTableau; pile < kBrushFoundation; ++pile) {
            const auto& cards = engine.cardsOn(pile);
            ASSERT_EQ(cards.size(), 4u) << "pile " << pile;
            for (std::size_t k = 0; k < cards.size(); ++k)
                EXPECT_EQ(isFaceUp(engine, cards[k]), k == 3) << "pile " << pile << " card " << k;
        }
        ASSERT_EQ(cardsOn(engine, kBrushWaste), 1);
        EXPECT_TRUE(engine.canPickUp(engine.topCard(kBrushWaste)));
        EXPECT_EQ(cardsOn(engine, 0), 63);
    }
}

// The tableau builds regardless of suit, but only a run in one suit moves
// as a unit, onto any card a rank above its bottom card or into a space.
TEST(KlondikeFamilyOwnRules, BrushMovesOnlyARunInOneSuitAsAUnit)
{
    Engine engine;
    dealEmbeddedGame(engine, "Brush", 1);
    const std::vector<int> spades = suitRun(engine, kSpades, 9, 7);
    const int nineOfHearts = cardOf(engine, kHearts, 9), eightOfClubs = cardOf(engine, kClubs, 8);
    const int tenOfDiamonds = cardOf(engine, kDiamonds, 10);
    arrangeBoard(engine, {{kBrushTableau, spades}, {kBrushTableau + 1, {nineOfHearts, eightOfClubs}},
                          {kBrushTableau + 2, {tenOfDiamonds}}},
                 0);
    EXPECT_FALSE(engine.canPickUp(nineOfHearts)) << "a run of two suits stays together";
    EXPECT_TRUE(engine.canPickUp(eightOfClubs)) << "its top card moves alone";
    ASSERT_TRUE(engine.canPickUp(spades.front()));
    EXPECT_TRUE(engine.canDrop(spades.front(), kBrushTableau + 2)) << "a run in suit goes on another suit";
    EXPECT_TRUE(engine.canDrop(spades.front(), kBrushTableau + 3)) << "a run in suit fills a space";
    EXPECT_FALSE(engine.canDrop(spades.front(), kBrushFoundation)) << "a foundation takes no short run";
    ASSERT_TRUE(move(engine, spades.front(), kBrushTableau + 2));
    EXPECT_EQ(cardsOn(engine, kBrushTableau + 2), 4);
    EXPECT_EQ(cardsOn(engine, kBrushTableau), 0);
}

// A run of one suit from King to Ace leaves the tableau by itself, for the
// foundations in turn, and the card it uncovers is turned up in the same
// step; a run of King to Ace that mixes suits stays, and undo brings a
// departed run back.
TEST(KlondikeFamilyOwnRules, BrushClearsAWholeSuitByItselfAndKeepsIt)
{
    Engine engine;
    dealEmbeddedGame(engine, "Brush", 2);
    const std::vector<int> spades = suitRun(engine, kSpades, 13, 2);
    const std::vector<int> hearts = suitRun(engine, kHearts, 13, 2, 1);
    const std::vector<int> clubs = suitRun(engine, kClubs, 13, 2);
    const int hidden = cardOf(engine, kDiamonds, 5);
    const int aceOfSpades = cardOf(engine, kSpades, 1), aceOfHearts = cardOf(engine, kHearts, 1) + 52;
    const int aceOfDiamonds = cardOf(engine, kDiamonds, 1);
    arrangeBoard(engine,
                 {{kBrushTableau, {hidden}, false}, {kBrushTableau, spades}, {kBrushTableau + 1, hearts},
                  {kBrushTableau + 2, clubs}, {kBrushTableau + 3, {aceOfSpades}}, {kBrushTableau + 4, {aceOfHearts}},
                  {kBrushWaste, {aceOfDiamonds}}},
                 0);
    EXPECT_FALSE(engine.canDrop(hearts.front(), kBrushFoundation)) << "the player does not move a run there";

    ASSERT_TRUE(move(engine, aceOfSpades, kBrushTableau));
    EXPECT_EQ(cardsOn(engine, kBrushFoundation), 13);
    ASSERT_EQ(cardsOn(engine, kBrushTableau), 1);
    EXPECT_TRUE(isFaceUp(engine, hidden));
    EXPECT_FALSE(engine.canPickUp(engine.topCard(kBrushFoundation))) << "no card comes back";
    ASSERT_TRUE(move(engine, aceOfHearts, kBrushTableau + 1));
    EXPECT_EQ(cardsOn(engine, kBrushFoundation + 1), 13) << "the next run takes the next foundation";
    EXPECT_EQ(cardsOn(engine, kBrushTableau + 1), 0);

    ASSERT_TRUE(move(engine, aceOfDiamonds, kBrushTableau + 2));
    EXPECT_EQ(cardsOn(engine, kBrushTableau + 2), 13) << "a run that mixes suits stays";
    EXPECT_EQ(cardsOn(engine, kBrushFoundation + 2), 0);

    ASSERT_TRUE(engine.undoStep());
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(cardsOn(engine, kBrushFoundation + 1), 0);
    EXPECT_EQ(cardsOn(engine, kBrushTableau + 1), 12);
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(cardsOn(engine, kBrushFoundation), 0);
    EXPECT_EQ(cardsOn(engine, kBrushTableau), 13);
    EXPECT_FALSE(isFaceUp(engine, hidden));
}

}  // namespace
}  // namespace velmora
