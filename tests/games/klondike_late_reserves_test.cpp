// Klondike-family games whose reserve cards come into play late (locked
// until a foundation is full, or covered in a fir tree), whose suits are
// split between foundations going up and down, and whose waste plays out to
// the foundations by itself.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;
constexpr int kSecondPack = 52;

bool faceUp(const Engine& engine, int card) { return engine.state().cards[static_cast<std::size_t>(card)].faceUp != 0; }
bool tap(Engine& engine, int pile) { return applyStep(engine, Step::tapOn(static_cast<std::uint16_t>(pile)), nullptr); }
bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}

// The thirteen cards of a suit from `base` on, going on from King to Ace.
std::vector<int> wholeSuit(const Engine& engine, int suit, int base)
{
    std::vector<int> cards;
    for (int k = 0, rank = base; k < 13; ++k, rank = rank % 13 + 1)
        cards.push_back(cardOf(engine, suit, rank));
    return cards;
}

// Stock 0, waste 1, tableau 2-9, the locked reserves 10-16 and the
// foundations 17-24; `base`: the rank each foundation starts with.
struct LockedGame {
    const char* game;
    int base;
};
constexpr int kLockedReserve = 10, kLockedFoundation = 17;

TEST(KlondikeLateReserves, ALockedReserveCardTurnsUpByATapOnlyOnceItsFoundationIsFull)
{
    for (const LockedGame& g : {LockedGame{"Locked Cards", 1}, LockedGame{"Topsy-Turvy Queens", 13},
                                LockedGame{"King's Secrets", 13}}) {
        SCOPED_TRACE(g.game);
        Engine engine;
        dealEmbeddedGame(engine, g.game, 3);
        for (int k = 0; k < 7; ++k) {
            const int reserve = kLockedReserve + k;
            ASSERT_EQ(cardsOn(engine, reserve), 1);
            EXPECT_FALSE(faceUp(engine, engine.topCard(reserve))) << "reserve " << k;
            EXPECT_FALSE(engine.canTap(reserve)) << "reserve " << k;
        }
        // The first foundation full, the second one card short of it.
        std::vector<int> almost = wholeSuit(engine, kHearts, g.base);
        const int missing = almost.back();
        almost.pop_back();
        const int locked = cardOf(engine, kClubs, 9), stillLocked = cardOf(engine, kDiamonds, 9);
        arrangeBoard(engine, {{kLockedFoundation, wholeSuit(engine, kSpades, g.base)},
                              {kLockedFoundation + 1, almost},
                              {2, {missing}},
                              {kLockedReserve, {locked}, false},
                              {kLockedReserve + 1, {stillLocked}, false}},
                     0);
        EXPECT_FALSE(engine.canPickUp(locked));
        EXPECT_FALSE(engine.canTap(kLockedReserve + 1));
        ASSERT_TRUE(tap(engine, kLockedReserve));
        EXPECT_TRUE(faceUp(engine, locked));
        EXPECT_TRUE(engine.canPickUp(locked)) << "the freed card is in play";
        EXPECT_FALSE(engine.canTap(kLockedReserve)) << "a face-up card needs no tap";
        EXPECT_TRUE(engine.canDrop(missing, kLockedFoundation + 1));
        EXPECT_FALSE(engine.canPickUp(cardOf(engine, kSpades, g.base == 1 ? 13 : 12)))
            << "the foundations keep their cards";
        ASSERT_TRUE(move(engine, missing, kLockedFoundation + 1));
        EXPECT_TRUE(tap(engine, kLockedReserve + 1)) << "the second foundation frees the second card";
        ASSERT_TRUE(engine.undoStep());
        ASSERT_TRUE(engine.undoStep());
        EXPECT_FALSE(faceUp(engine, stillLocked));
        EXPECT_FALSE(engine.canTap(kLockedReserve + 1)) << "undoing the card that filled it locks it again";
    }
}

// Napoleon Takes Moscow: stock 0, waste 1, tableau 2-9, the tree's
// reserves 10-25 from its tip to its foot, foundations 26-33. Each row of
// one card lies under the two of the row below, each row of two under the
// one card below it.
TEST(KlondikeLateReserves, AFirTreeCardIsFreeOnceTheCardsOverItAreGone)
{
    constexpr int kTip = 10, kFoot = 25;
    Engine engine;
    dealEmbeddedGame(engine, "Napoleon Takes Moscow", 2);
    for (int reserve = kTip; reserve < kFoot; ++reserve)
        EXPECT_FALSE(engine.canPickUp(engine.topCard(reserve))) << "reserve " << reserve;
    EXPECT_TRUE(engine.canPickUp(engine.topCard(kFoot)));

    // Empty the foot; a step later both cards of the row of two above it
    // are free, and the row of one above them is not.
    const int king = cardOf(engine, kHearts, 13), queen = cardOf(engine, kHearts, 12);
    const int jack = cardOf(engine, kHearts, 11);
    std::vector<PileContent> board = {{3, {king}}};
    for (int reserve = kTip; reserve < kFoot; ++reserve)
        board.push_back({reserve, {kSecondPack + 8 + reserve - kTip}});
    arrangeBoard(engine, board, 0);
    const int left = engine.topCard(kFoot - 2), right = engine.topCard(kFoot - 1);
    const int above = engine.topCard(kFoot - 3);
    ASSERT_TRUE(move(engine, king, 2)) << "a King fills a space";
    EXPECT_TRUE(engine.canPickUp(left));
    EXPECT_TRUE(engine.canPickUp(right));
    EXPECT_FALSE(engine.canPickUp(above));
    ASSERT_TRUE(engine.undoStep());
    EXPECT_FALSE(engine.canPickUp(left)) << "undoing the step covers the row again";

    arrangeBoard(engine, {{2, {king}}, {kFoot - 3, {above}}, {kFoot - 1, {right}}, {5, {queen}}}, 0);
    ASSERT_TRUE(move(engine, queen, 2));
    EXPECT_FALSE(engine.canPickUp(above)) << "one card of the row below still lies over it";
    arrangeBoard(engine, {{2, {king, queen}}, {kFoot - 3, {above}}, {6, {jack}}}, 0);
    ASSERT_TRUE(move(engine, jack, 2));
    EXPECT_TRUE(engine.canPickUp(above));
}

// Lafayette: stock 0, waste 1, tableau 2-5, the reserve 6, foundations 7-10
// up from the Ace and 11-14 down from the King.
TEST(KlondikeLateReserves, TheReserveFillsSpacesAndTheSplitSuitsWinTheGame)
{
    constexpr int kReserve = 6, kUp = 7, kDown = 11;
    Engine engine;
    dealEmbeddedGame(engine, "Lafayette", 1);
    ASSERT_EQ(cardsOn(engine, kReserve), 13);
    const int reserveTop = cardOf(engine, kDiamonds, 9);
    // A pile emptied by a step takes the reserve's top card at once.
    const int ace = cardOf(engine, kSpades, 1), king = cardOf(engine, kSpades, 13);
    arrangeBoard(engine, {{2, {ace}}, {3, {king}}, {kReserve, {reserveTop}}}, 0);
    ASSERT_TRUE(move(engine, ace, kUp));
    EXPECT_EQ(engine.cardsOn(2), std::vector<std::uint16_t>{static_cast<std::uint16_t>(reserveTop)});
    EXPECT_FALSE(engine.canDrop(king, kUp + 1)) << "a King does not start the rising foundations";
    ASSERT_TRUE(move(engine, king, kDown));
    EXPECT_EQ(cardsOn(engine, 3), 0) << "the empty reserve leaves the space to the player";
    const int seven = cardOf(engine, kHearts, 7), eight = cardOf(engine, kClubs, 8);
    arrangeBoard(engine, {{4, {seven}}, {5, {eight}}}, 0);
    EXPECT_TRUE(engine.canDrop(seven, 3)) << "a Seven fills a space";
    EXPECT_FALSE(engine.canDrop(eight, 3)) << "nothing else does";

    // Every suit split between its two foundations, but for one Seven.
    std::vector<PileContent> board;
    for (int suit = kSpades; suit <= kHearts; ++suit) {
        std::vector<int> up, down;
        for (int rank = 1; rank <= 6; ++rank)
            up.push_back(cardOf(engine, suit, rank));
        for (int rank = 13; rank >= (suit == kHearts ? 8 : 7); --rank)
            down.push_back(cardOf(engine, suit, rank));
        board.push_back({kUp + suit - 1, up});
        board.push_back({kDown + suit - 1, down});
    }
    board.push_back({4, {seven}});
    arrangeBoard(engine, board, 0);
    ASSERT_EQ(cardsOn(engine, 0), 0);
    EXPECT_FALSE(engine.isWon());
    EXPECT_TRUE(engine.canDrop(seven, kUp + 3)) << "either foundation of the suit takes the last Seven";
    ASSERT_TRUE(move(engine, seven, kDown + 3));
    EXPECT_TRUE(engine.isWon());
}

// Q.C.: stock 0, waste 1, tableau 2-7, foundations 8-15.
TEST(KlondikeLateReserves, TheWasteGoesOutByItselfBeforeItFillsASpace)
{
    constexpr int kWaste = 1, kFoundation = 8;
    for (GameNumber deal = 1; deal <= 40; ++deal) {
        Engine engine;
        dealEmbeddedGame(engine, "Q.C.", deal);
        ASSERT_EQ(cardsOn(engine, kWaste), 1) << "deal " << deal;
        for (int f = kFoundation; f < kFoundation + 8; ++f)
            EXPECT_FALSE(engine.canDrop(engine.topCard(kWaste), f)) << "deal " << deal << " foundation " << f;
    }
    Engine engine;
    dealEmbeddedGame(engine, "Q.C.", 1);
    const int nine = cardOf(engine, kDiamonds, 9), two = cardOf(engine, kSpades, 2), ace = cardOf(engine, kSpades, 1);
    const int otherAce = cardOf(engine, kHearts, 1) + kSecondPack;
    const int five = cardOf(engine, kHearts, 5), six = cardOf(engine, kHearts, 6);
    arrangeBoard(engine, {{kWaste, {nine, two, otherAce, ace}}, {2, {five}}, {3, {six}}, {kFoundation, {}}}, 0);
    ASSERT_TRUE(move(engine, five, 3));
    EXPECT_EQ(engine.cardsOn(kFoundation), (std::vector<std::uint16_t>{static_cast<std::uint16_t>(ace),
                                                                       static_cast<std::uint16_t>(two)}));
    EXPECT_EQ(engine.cardsOn(kFoundation + 1), std::vector<std::uint16_t>{static_cast<std::uint16_t>(otherAce)})
        << "each card goes to the first foundation that takes it";
    EXPECT_EQ(engine.cardsOn(2), std::vector<std::uint16_t>{static_cast<std::uint16_t>(nine)})
        << "the space takes the card that stays";
    EXPECT_EQ(cardsOn(engine, kWaste), 0);
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(cardsOn(engine, kWaste), 4);
    EXPECT_EQ(cardsOn(engine, kFoundation), 0);
}

}  // namespace
}  // namespace velmora
