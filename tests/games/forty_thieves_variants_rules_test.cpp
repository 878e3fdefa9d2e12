// Forty Thieves rows with rules of their own: groups that move only when in
// suit, groups that go only into spaces, and two-pack foundations that go
// round from King to Ace and stop at a full suit.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

// The stock and the waste come first, then the columns, then the
// foundations.
constexpr int kFirstColumn = 2;

int rankOf(const Engine& engine, int card) { return engine.definition().cards[static_cast<std::size_t>(card)].rank; }
int secondCopy(const Engine& engine, int suit, int rank) { return cardOf(engine, suit, rank) + 52; }

// A group of cards (suit, rank), bottom first, on one column and the cards
// of another: whether the group may be picked up by its bottom card and put
// there.
struct GroupCase {
    const char* game;
    std::vector<std::pair<int, int>> group;
    std::vector<std::pair<int, int>> onto;
    bool legal;
    const char* why;
};

void expectGroupDrop(const GroupCase& c)
{
    SCOPED_TRACE(std::string(c.game) + ": " + c.why);
    Engine engine;
    dealEmbeddedGame(engine, c.game, 1);
    std::vector<int> group, onto;
    for (auto [suit, rank] : c.group)
        group.push_back(cardOf(engine, suit, rank));
    for (auto [suit, rank] : c.onto)
        onto.push_back(cardOf(engine, suit, rank));
    const int target = kFirstColumn + 1;
    arrangeBoard(engine, {{kFirstColumn, group}, {target, onto}}, 0);
    EXPECT_EQ(engine.canPickUp(group.front()) && engine.canDrop(group.front(), target), c.legal);
}

TEST(FortyThievesVariantsRules, GroupsMoveOnlyAsTheirRowAllows)
{
    const GroupCase cases[] = {
        // Built regardless of suit, but only a group in suit moves together.
        {"Little Forty", {{kHearts, 7}}, {{kSpades, 8}}, true, "a single card goes on any suit"},
        {"Little Forty", {{kHearts, 7}, {kHearts, 6}}, {{kSpades, 8}}, true, "a group in suit moves"},
        {"Little Forty", {{kHearts, 7}, {kClubs, 6}}, {{kSpades, 8}}, false, "a mixed group does not"},
        {"Waterloo", {{kDiamonds, 5}, {kDiamonds, 4}}, {{kClubs, 6}}, true, "a group in suit moves"},
        {"Waterloo", {{kDiamonds, 5}, {kSpades, 4}}, {{kClubs, 6}}, false, "a mixed group does not"},
        {"Waterloo", {{kDiamonds, 5}, {kSpades, 4}}, {}, false, "not even into a space"},
        // A group goes only into a space; onto a card, single cards only.
        {"Forty-Nine", {{kHearts, 8}}, {{kSpades, 9}}, true, "a single card goes on the other colour"},
        {"Forty-Nine", {{kHearts, 8}, {kClubs, 7}}, {{kSpades, 9}}, false, "a group does not go on a card"},
        {"Forty-Nine", {{kHearts, 8}, {kClubs, 7}}, {}, true, "a group goes into a space"},
        {"Forty-Nine", {{kHearts, 8}, {kHearts, 7}}, {}, false, "a group not built by the rule stays"},
    };
    for (const GroupCase& c : cases)
        expectGroupDrop(c);
}

// Where a foundation-round game's foundations lie, and their base: a rank,
// or 0 when the card dealt to the first foundation sets it.
struct RoundGame {
    const char* game;
    int firstFoundation;
    int base;
    bool emptyFoundations;  // Deuces deals a Two to each
};

TEST(FortyThievesVariantsRules, FoundationsGoRoundFromTheirBaseAndStopAtAFullSuit)
{
    const RoundGame games[] = {{"Deuces", 12, 2, false}, {"Pluto", 14, 2, true}, {"Quadrangle", 14, 0, true}};
    for (const RoundGame& g : games) {
        for (GameNumber deal = 1; deal <= 3; ++deal) {
            SCOPED_TRACE(std::string(g.game) + " deal " + std::to_string(deal));
            Engine engine;
            dealEmbeddedGame(engine, g.game, deal);
            const int base = g.base != 0 ? g.base : rankOf(engine, engine.topCard(g.firstFoundation));
            const int belowBase = base == 1 ? 13 : base - 1;
            const int full = g.firstFoundation + 1, other = g.firstFoundation + 2;
            // Spades from the base round to the rank below it; the second
            // pack's base of spades waits on a column.
            std::vector<int> wholeSuit;
            for (int k = 0; k < 13; ++k)
                wholeSuit.push_back(cardOf(engine, kSpades, (base - 1 + k) % 13 + 1));
            const int spareBase = secondCopy(engine, kSpades, base);
            arrangeBoard(engine, {{full, wholeSuit}, {kFirstColumn, {spareBase}}}, 0);
            EXPECT_FALSE(engine.canDrop(spareBase, full)) << "a full suit takes no fourteenth card";

            // Hearts from the base up to the King take the Ace next.
            if (base != 1) {
                std::vector<int> toKing;
                for (int rank = base; rank <= 13; ++rank)
                    toKing.push_back(cardOf(engine, kHearts, rank));
                const int ace = cardOf(engine, kHearts, 1);
                arrangeBoard(engine, {{other, toKing}, {kFirstColumn, {ace}}}, 0);
                EXPECT_TRUE(engine.canDrop(ace, other)) << "the Ace follows the King";
            }
            if (!g.emptyFoundations)
                continue;
            const int clubsBase = cardOf(engine, kClubs, base), clubsBelow = cardOf(engine, kClubs, belowBase);
            arrangeBoard(engine, {{kFirstColumn, {clubsBase}}, {kFirstColumn + 1, {clubsBelow}}}, 0);
            EXPECT_TRUE(engine.canDrop(clubsBase, other)) << "an empty foundation takes the base";
            EXPECT_FALSE(engine.canDrop(clubsBelow, other)) << "and no other rank";
        }
    }
}

}  // namespace
}  // namespace velmora
