// The Klondike family's deals and the rules its rows switch on: cards dealt
// apart to the foundations, reserve cards, foundations from the King, spaces
// that take only Aces, and foundations that keep their cards.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

// The piles in record order: stock and waste (when the game has them), the
// tableau, the reserves, then the foundations.
struct DealShape {
    const char* game;
    int stockPiles;
    std::vector<int> columns;
    int reserves;
    int foundations;
    bool acesDealt;
};

const DealShape kShapes[] = {
    {"Legion", 2, {1, 3, 5, 7, 7, 5, 3, 1}, 0, 4, false},
    {"Small Harp", 2, {7, 6, 5, 4, 3, 2, 1}, 0, 4, false},
    {"Easthaven", 1, {3, 3, 3, 3, 3, 3, 3}, 0, 4, false},
    {"Blind Alleys", 2, {3, 3, 3, 3, 3, 3}, 0, 4, true},
    {"Cassim", 2, {4, 4, 4, 4, 4, 4, 4}, 0, 4, true},
    {"Gold Mine", 2, {0, 0, 0, 0, 0, 0, 0}, 0, 4, false},
    {"King Albert", 0, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 7, 4, false},
    {"Raglan", 0, {1, 2, 3, 4, 5, 6, 7, 7, 7}, 6, 4, true},
    {"Somerset", 0, {1, 2, 3, 4, 5, 6, 7, 8, 8, 8}, 0, 4, false},
    {"American Canister", 0, {6, 6, 7, 7, 7, 7, 6, 6}, 0, 4, false},
    {"Brigade", 0, {5, 5, 5, 5, 5, 5, 5}, 13, 4, true},
    {"Stonewall", 0, {6, 6, 6, 6, 6, 6}, 16, 4, false},
    {"Big Harp", 2, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 0, 8, false},
    {"Thieves of Egypt", 2, {1, 3, 5, 7, 9, 10, 8, 6, 4, 2}, 0, 8, false},
    {"Half Klondike", 2, {1, 2, 3, 4}, 0, 2, false},
    {"Chinese Klondike", 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0, 9, false},
    {"Scarp", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, 0, 12, false},
    {"Klondike Territory", 0, {1, 2, 3, 4, 5, 6, 7}, 24, 4, false},
    {"Seven Devils", 2, {1, 2, 3, 4, 5, 6, 7}, 7, 8, false},
    {"Quadruple Klondike", 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 0, 16, false},
    {"Big Deal", 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0, 16, false},
    {"Delivery", 2, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, 0, 16, false},
    {"Crossroads", 2, {7, 7, 7, 7, 7, 7, 7}, 0, 16, false},
    {"Junction", 2, {1, 1, 1, 1, 1, 1, 1}, 0, 16, false},
    {"Gloucestershire", 0, {3, 4, 5, 6, 7, 8, 9, 10}, 52, 8, false},
    {"Brush", 2, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 0, 8, false},
};

TEST(KlondikeFamilyRules, DealsEachPileItsCardsAndTheAcesApartWhereAsked)
{
    for (const DealShape& shape : kShapes) {
        SCOPED_TRACE(shape.game);
        Engine engine;
        dealEmbeddedGame(engine, shape.game, 4);
        const auto& cards = engine.state().cards;
        int pile = shape.stockPiles;
        for (int count : shape.columns)
            EXPECT_EQ(engine.cardsOn(pile++).size(), static_cast<std::size_t>(count)) << "pile " << pile - 1;
        for (int k = 0; k < shape.reserves; ++k, ++pile) {
            ASSERT_EQ(engine.cardsOn(pile).size(), 1u) << "reserve " << k;
            EXPECT_TRUE(cards[engine.topCard(pile)].faceUp);
        }
        for (int k = 0; k < shape.foundations; ++k, ++pile) {
            const auto& foundation = engine.cardsOn(pile);
            ASSERT_EQ(foundation.size(), shape.acesDealt ? 1u : 0u) << "foundation " << k;
            if (shape.acesDealt) {
                EXPECT_EQ(engine.definition().cards[foundation.front()].rank, 1);
            }
        }
        EXPECT_EQ(pile, engine.definition().pileCount());
    }
}

// Games that deal a chosen rank of each suit to the foundations: every
// foundation starts with one of those cards, and each is dealt exactly once.
TEST(KlondikeFamilyRules, DealtBasesStartTheFoundations)
{
    const struct {
        const char* game;
        int firstFoundation;
        std::vector<std::pair<int, int>> bases;  // suit, rank
    } games[] = {{"Double Dot", 9, {{kSpades, 1}, {kClubs, 1}, {kDiamonds, 2}, {kHearts, 2}}}};
    for (const auto& [game, firstFoundation, bases] : games)
        for (GameNumber number : {1, 2, 3}) {
            SCOPED_TRACE(std::string(game) + " deal " + std::to_string(number));
            Engine engine;
            dealEmbeddedGame(engine, game, number);
            std::vector<std::pair<int, int>> dealt;
            for (std::size_t k = 0; k < bases.size(); ++k) {
                const auto& foundation = engine.cardsOn(firstFoundation + static_cast<int>(k));
                ASSERT_EQ(foundation.size(), 1u) << "foundation " << k;
                const auto& card = engine.definition().cards[foundation.front()];
                dealt.emplace_back(card.suit, card.rank);
            }
            std::sort(dealt.begin(), dealt.end());
            EXPECT_EQ(dealt, bases);
        }
}

// Kingsley: stock 0, waste 1, tableau 2-8, foundations 9-12. King Albert:
// tableau 0-8, reserves 9-15, foundations 16-19. Eight Sages: stock 0, waste
// 1, tableau 2-9, foundations 10-17; Eight by Eight likewise. Doorway:
// tableau 2-6, the King and Queen cells 7 and 8. Batsford Again: tableau
// 2-11, the King cell 12; Batsford likewise. Seven Devils: waste 1, tableau
// 2-8, reserves 9-15, foundations 16-23. Double Dot: tableau 1-8,
// foundations 9-12. Agnes Sorel: tableau 1-7, foundations 8-11.
const DropCase kDrops[] = {
    {"Kingsley", 2, 9, {}, {kSpades, 13}, true, "a King starts a foundation"},
    {"Kingsley", 2, 9, {}, {kSpades, 1}, false, "an Ace does not start a foundation"},
    {"Kingsley", 2, 9, {{kSpades, 13}}, {kSpades, 12}, true, "foundations go down in suit"},
    {"Kingsley", 2, 3, {}, {kSpades, 1}, true, "an Ace fills a space"},
    {"Kingsley", 2, 3, {}, {kSpades, 13}, false, "a King does not fill a space"},
    {"Kingsley", 2, 3, {{kSpades, 5}}, {kHearts, 6}, true, "the tableau goes up in alternating colours"},
    {"Kingsley", 2, 3, {{kSpades, 5}}, {kHearts, 4}, false, "the tableau does not go down"},
    {"King Albert", 0, 9, {{kSpades, 5}}, {kHearts, 4}, false, "a reserve takes nothing"},
    {"King Albert", 9, 1, {{kSpades, 5}}, {kHearts, 4}, true, "a reserve card plays to the tableau"},
    {"King Albert", 0, 1, {}, {kHearts, 9}, true, "any card fills a space"},
    {"Northwest Territory", 0, 1, {}, {kHearts, 9}, false, "only a King fills a space"},
    {"Northwest Territory", 0, 1, {}, {kHearts, 13}, true, "a King fills a space"},
    {"Eight Sages", 1, 2, {{kSpades, 5}}, {kHearts, 4}, true, "the waste builds on the tableau"},
    {"Eight Sages", 3, 2, {{kSpades, 5}}, {kHearts, 4}, false, "the tableau does not build on itself"},
    {"Eight Sages", 3, 4, {}, {kHearts, 4}, false, "nor fills its own spaces"},
    {"Eight Sages", 3, 10, {}, {kHearts, 1}, true, "a tableau card goes to a foundation"},
    {"Eight by Eight", 2, 3, {}, {kSpades, 9}, true, "a single card fills a space"},
    {"Eight by Eight", 2, 3, {{kHearts, 10}}, {kSpades, 9}, true, "the tableau builds regardless of suit"},
    {"Chinese Klondike", 2, 3, {{kSpades, 5}}, {kHearts, 4}, true, "a card goes on another suit"},
    {"Chinese Klondike", 2, 3, {{kSpades, 5}}, {kSpades, 4}, false, "a card does not go on its own suit"},
    {"Chinese Klondike", 2, 3, {{kSpades, 5}}, {kClubs, 4}, true, "the same colour is another suit"},
    {"Half Klondike", 2, 3, {{kSpades, 5}}, {kHearts, 4}, true, "the tableau goes down in alternating colours"},
    {"Doorway", 2, 7, {}, {kSpades, 13}, true, "the King cell takes a King"},
    {"Doorway", 2, 7, {}, {kSpades, 12}, false, "the King cell takes nothing else"},
    {"Doorway", 2, 8, {}, {kSpades, 12}, true, "the Queen cell takes a Queen"},
    {"Doorway", 2, 8, {{kHearts, 12}}, {kSpades, 12}, false, "a cell of one holds one"},
    {"Batsford Again", 2, 12, {{kHearts, 13}, {kClubs, 13}}, {kSpades, 13}, true, "the King cell holds three"},
    {"Batsford Again", 2, 12, {{kHearts, 13}, {kClubs, 13}, {kDiamonds, 13}}, {kSpades, 13}, false,
     "the King cell holds no more than three"},
    {"Batsford", 2, 12, {{kHearts, 13}, {kClubs, 13}}, {kSpades, 13}, true, "the King cell holds three"},
    {"Batsford", 2, 12, {}, {kSpades, 12}, false, "the King cell takes only Kings"},
    {"Seven Devils", 9, 2, {{kSpades, 5}}, {kHearts, 4}, false, "a reserve card does not build on the tableau"},
    {"Seven Devils", 9, 3, {}, {kHearts, 4}, false, "nor fills a space"},
    {"Seven Devils", 9, 16, {}, {kHearts, 1}, true, "a reserve card goes to a foundation"},
    {"Seven Devils", 1, 2, {{kSpades, 5}}, {kHearts, 4}, true, "the waste builds on the tableau"},
    {"Seven Devils", 2, 3, {}, {kHearts, 9}, true, "any card fills a space"},
    {"Double Dot", 1, 2, {{kSpades, 5}}, {kHearts, 3}, true, "the tableau goes down by twos regardless of suit"},
    {"Double Dot", 1, 2, {{kSpades, 5}}, {kHearts, 4}, false, "the tableau does not go down by ones"},
    {"Double Dot", 1, 2, {{kSpades, 1}}, {kHearts, 12}, true, "a Queen goes on an Ace"},
    {"Double Dot", 1, 2, {{kSpades, 2}}, {kHearts, 13}, true, "a King goes on a Two"},
    {"Double Dot", 1, 2, {}, {kHearts, 9}, true, "any card fills a space"},
    {"Double Dot", 1, 9, {{kSpades, 1}}, {kSpades, 3}, true, "a foundation goes up by twos in suit"},
    {"Double Dot", 1, 9, {{kSpades, 1}}, {kSpades, 2}, false, "a foundation does not go up by ones"},
    {"Double Dot", 1, 9, {{kSpades, 1}}, {kClubs, 3}, false, "a foundation keeps its suit"},
    {"Double Dot", 1, 9, {{kSpades, 13}}, {kSpades, 2}, true, "a Two follows a King"},
    {"Double Dot", 1, 9, {{kSpades, 12}}, {kSpades, 1}, true, "an Ace follows a Queen"},
    {"Double Dot", 1, 9, {}, {kSpades, 1}, false, "an empty foundation takes nothing"},
    {"Agnes Sorel", 1, 2, {{kSpades, 5}}, {kClubs, 4}, true, "the tableau goes down in the same colour"},
    {"Agnes Sorel", 1, 2, {{kSpades, 5}}, {kHearts, 4}, false, "the tableau does not alternate colours"},
    {"Agnes Sorel", 1, 2, {{kSpades, 1}}, {kClubs, 13}, true, "a King goes on an Ace"},
    {"Agnes Sorel", 1, 2, {}, {kClubs, 13}, false, "a space takes nothing"},
    // Thirty-Six: tableau 2-7, foundations 8-11. Eights: stock 0, tableau 1-8,
    // foundations 9-16.
    {"Thirty-Six", 2, 3, {{kSpades, 5}}, {kSpades, 4}, true, "the tableau builds regardless of suit"},
    {"Thirty-Six", 2, 3, {{kSpades, 5}}, {kHearts, 6}, false, "the tableau does not go up"},
    {"Thirty-Six", 2, 3, {}, {kHearts, 9}, true, "any card fills a space"},
    {"Thirty-Six", 2, 8, {}, {kHearts, 1}, true, "an Ace starts a foundation"},
    {"Eights", 1, 2, {{kHearts, 10}}, {kClubs, 9}, true, "the tableau builds regardless of suit"},
    {"Eights", 1, 2, {}, {kClubs, 9}, true, "any card fills a space"},
    {"Eights", 1, 9, {{kClubs, 1}}, {kClubs, 2}, true, "foundations go up in suit"},
    // Junction: tableau 2-8, foundations 9-24; its packs have no Twos to Sixes.
    {"Junction", 2, 9, {{kSpades, 1}}, {kSpades, 7}, true, "a Seven goes on the Ace"},
    {"Junction", 2, 9, {{kSpades, 1}}, {kHearts, 7}, false, "a Seven of another suit does not"},
    {"Junction", 2, 9, {{kSpades, 1}, {kSpades, 7}}, {kSpades, 8}, true, "an Eight goes on the Seven"},
    {"Junction", 2, 9, {{kSpades, 1}}, {kSpades, 8}, false, "an Eight does not go on the Ace"},
    {"Junction", 2, 9, {}, {kSpades, 7}, false, "a Seven does not start a foundation"},
    {"Junction", 2, 3, {{kHearts, 7}}, {kSpades, 1}, false, "an Ace does not go on a Seven"},
    {"Junction", 2, 3, {}, {kSpades, 1}, true, "any card fills a space"},
    // Royal Aids: tableau 2-3, reserves 4-7, foundations 8-15.
    {"Royal Aids", 4, 8, {{kSpades, 1}}, {kHearts, 2}, true, "the foundations go up in alternating colours"},
    {"Royal Aids", 4, 8, {{kSpades, 1}}, {kSpades, 2}, false, "not in suit"},
    {"Royal Aids", 4, 8, {{kSpades, 1}, {kHearts, 2}}, {kClubs, 3}, true, "a black Three on a red Two"},
    {"Royal Aids", 4, 2, {}, {kHearts, 12}, false, "only a King fills a space"},
    {"Royal Aids", 4, 2, {}, {kHearts, 13}, true, "a reserve's King fills a space"},
    {"Royal Aids", 2, 5, {{kSpades, 5}}, {kHearts, 4}, false, "a reserve takes nothing"},
    // Delivery: tableau 2-13, foundations 14-29.
    {"Delivery", 2, 3, {{kSpades, 5}}, {kSpades, 4}, true, "the tableau goes down in suit"},
    {"Delivery", 2, 3, {{kSpades, 5}}, {kClubs, 4}, false, "not in another suit of its colour"},
    {"Delivery", 2, 3, {}, {kClubs, 4}, true, "any card fills a space"},
    // Crossroads: tableau 2-8.
    {"Crossroads", 2, 3, {}, {kClubs, 4}, true, "any card fills a space"},
    {"Crossroads", 2, 3, {{kSpades, 5}}, {kHearts, 4}, true, "the tableau goes down in alternating colours"},
    // Locked Cards and its kin: tableau 2-9, reserves 10-16, foundations
    // 17-24. Napoleon Takes Moscow: tableau 2-9, the tree 10-25. Lafayette:
    // tableau 2-5, foundations 7-10 up and 11-14 down. Q.C.: tableau 2-7.
    {"Locked Cards", 2, 17, {{kHearts, 1}}, {kHearts, 2}, true, "foundations go up in suit from the Ace"},
    {"Locked Cards", 2, 3, {{kSpades, 5}}, {kHearts, 4}, true, "the tableau goes down in alternating colours"},
    {"Locked Cards", 2, 10, {}, {kHearts, 4}, false, "a locked reserve takes nothing"},
    {"Topsy-Turvy Queens", 2, 17, {}, {kSpades, 13}, true, "a King starts a foundation"},
    {"Topsy-Turvy Queens", 2, 17, {}, {kSpades, 1}, false, "an Ace does not start a foundation"},
    {"Topsy-Turvy Queens", 2, 17, {{kSpades, 13}}, {kSpades, 1}, true, "an Ace follows the King"},
    {"Topsy-Turvy Queens", 2, 3, {{kSpades, 1}}, {kSpades, 13}, true, "a King goes on an Ace of its suit"},
    {"Topsy-Turvy Queens", 2, 3, {{kSpades, 5}}, {kClubs, 4}, false, "the tableau builds in suit"},
    {"Topsy-Turvy Queens", 2, 3, {}, {kClubs, 4}, true, "any card fills a space"},
    {"King's Secrets", 2, 3, {}, {kClubs, 12}, true, "a Queen fills a space"},
    {"King's Secrets", 2, 3, {}, {kClubs, 13}, false, "nothing else fills a space"},
    {"Napoleon Takes Moscow", 2, 3, {}, {kHearts, 12}, false, "only a King fills a space"},
    {"Napoleon Takes Moscow", 2, 3, {{kHearts, 5}}, {kHearts, 4}, true, "the tableau builds in suit"},
    {"Napoleon Takes Moscow", 2, 25, {}, {kHearts, 4}, false, "the tree takes nothing"},
    {"Lafayette", 2, 7, {}, {kSpades, 1}, true, "an Ace starts a rising foundation"},
    {"Lafayette", 2, 11, {}, {kSpades, 1}, false, "an Ace does not start a falling one"},
    {"Lafayette", 2, 11, {}, {kSpades, 13}, true, "a King starts a falling foundation"},
    {"Lafayette", 2, 11, {{kSpades, 13}}, {kSpades, 12}, true, "the falling foundations go down in suit"},
    {"Q.C.", 2, 3, {}, {kHearts, 6}, true, "any card fills a space"},
    {"Q.C.", 2, 3, {{kClubs, 7}}, {kHearts, 6}, false, "the tableau builds in suit"},
    // Brush: waste 1, tableau 2-11, foundations 12-19, which take whole
    // suits only, by themselves.
    {"Brush", 2, 12, {}, {kSpades, 1}, false, "an Ace does not start a foundation"},
    {"Brush", 2, 12, {}, {kSpades, 13}, false, "nor does a King"},
    {"Brush", 2, 12, {{kSpades, 13}}, {kSpades, 12}, false, "no single card goes on a foundation"},
    {"Brush", 2, 3, {}, {kHearts, 9}, true, "any card fills a space"},
    {"Brush", 2, 3, {{kSpades, 5}}, {kHearts, 4}, true, "the tableau builds regardless of suit"},
    {"Brush", 2, 3, {{kSpades, 5}}, {kSpades, 4}, true, "and in suit"},
    {"Brush", 2, 3, {{kSpades, 5}}, {kHearts, 6}, false, "the tableau does not go up"},
    {"Brush", 1, 3, {{kSpades, 5}}, {kClubs, 4}, true, "the waste builds on the tableau"},
};

TEST(KlondikeFamilyRules, DropsFollowEachGamesFoundationsSpacesAndReserves)
{
    for (const DropCase& drop : kDrops)
        expectDrop(drop);
}

// Foundations that keep their cards give none back; the others give back
// all but their first card.
TEST(KlondikeFamilyRules, OnlyFoundationsThatKeepTheirCardsRefuseToGiveThemBack)
{
    const struct {
        const char* game;
        int foundation;
        bool givesBack;
    } games[] = {{"Westhaven", 11, false}, {"Lanes", 8, false}, {"Eastcliff", 9, true}, {"Westcliff", 12, false},
                 {"Thirty-Six", 8, false}, {"Six by Six", 7, false}};
    for (const auto& [game, foundation, givesBack] : games) {
        SCOPED_TRACE(game);
        Engine engine;
        dealEmbeddedGame(engine, game, 1);
        const int ace = cardOf(engine, kSpades, 1), two = cardOf(engine, kSpades, 2);
        arrangeBoard(engine, {{foundation, {ace, two}}}, 0);
        EXPECT_EQ(engine.canPickUp(two), givesBack);
        EXPECT_FALSE(engine.canPickUp(ace));
    }
}

// The card dealt to the first foundation sets every foundation's base: a
// card of that rank starts another foundation, the base's successor in suit
// (King to Ace going round) goes on it, and no other card starts one.
TEST(KlondikeFamilyRules, TheDealtBaseCardSetsEveryFoundationsBase)
{
    const struct {
        const char* game;
        int tableau;
        int foundation;
    } games[] = {{"Simplicity", 2, 14}, {"Agnes Sorel", 1, 8}};
    for (const auto& [game, tableau, foundation] : games)
        for (GameNumber number : {1, 2, 3}) {
            SCOPED_TRACE(std::string(game) + " deal " + std::to_string(number));
            Engine engine;
            dealEmbeddedGame(engine, game, number);
            ASSERT_EQ(engine.cardsOn(foundation).size(), 1u);
            const auto& cards = engine.definition().cards;
            const auto& base = cards[static_cast<std::size_t>(engine.topCard(foundation))];
            const int otherSuit = base.suit % 4 + 1;
            const int next = base.rank % 13 + 1;
            const int sameRank = cardOf(engine, otherSuit, base.rank);
            const int successor = cardOf(engine, base.suit, next);
            const int wrongStart = cardOf(engine, otherSuit, next);
            for (auto [card, onto, legal] : {std::tuple{sameRank, foundation + 1, true},
                                             std::tuple{successor, foundation, true},
                                             std::tuple{wrongStart, foundation + 1, false}}) {
                arrangeBoard(engine, {{foundation, {engine.topCard(foundation)}}, {tableau, {card}}}, 0);
                EXPECT_EQ(engine.canDrop(card, onto), legal) << "card " << card << " onto " << onto;
            }
        }
}

// A stripped pack holds thirteen cards of each of its suits per pack and
// none of the others.
TEST(KlondikeFamilyRules, StrippedPacksHoldOnlyTheirSuits)
{
    const struct {
        const char* game;
        std::vector<int> suits;
        int packs;
    } games[] = {{"Half Klondike", {kSpades, kHearts}, 1}, {"Chinese Klondike", {kSpades, kClubs, kHearts}, 3}};
    for (const auto& [game, suits, packs] : games) {
        SCOPED_TRACE(game);
        Engine engine;
        dealEmbeddedGame(engine, game, 1);
        std::vector<int> perSuit(5, 0);
        for (const auto& card : engine.definition().cards)
            ++perSuit[card.suit];
        for (int suit = 1; suit <= 4; ++suit) {
            const bool inPack = std::find(suits.begin(), suits.end(), suit) != suits.end();
            EXPECT_EQ(perSuit[static_cast<std::size_t>(suit)], inPack ? 13 * packs : 0) << "suit " << suit;
        }
    }
}

// Packs stripped of some ranks hold each of the others once per suit and
// pack, and none of the ranks taken out.
TEST(KlondikeFamilyRules, PacksStrippedOfRanksHoldOnlyTheirRanks)
{
    Engine engine;
    dealEmbeddedGame(engine, "Junction", 1);
    std::vector<int> perRank(14, 0);
    for (const auto& card : engine.definition().cards)
        ++perRank[card.rank];
    for (int rank = 1; rank <= 13; ++rank)
        EXPECT_EQ(perRank[static_cast<std::size_t>(rank)], rank == 1 || rank >= 7 ? 16 : 0) << "rank " << rank;
}

}  // namespace
}  // namespace velmora
