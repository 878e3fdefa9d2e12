// Every shipped game fits the board of a handheld-sized window held upright
// or turned, in both configurations: each pile the player can see lies
// inside the board, each fan, however long it grows, is squeezed within it,
// and no two piles cover each other at the deal.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "field_view.h"
#include "game_fixture.h"
#include "pile_geometry.h"

namespace velmora {
namespace {

struct Board {
    const char* name;
    ScreenMetrics screen;
    ClientSize client;  // the window less its menu bar
};

// 240 x 320 and 320 x 240 windows; the VGA configuration has twice the pixels.
constexpr Board kBoards[] = {
    {"standard portrait", {96, 96, BuildConfiguration::standard}, {240, 320 - 26}},
    {"standard landscape", {96, 96, BuildConfiguration::standard}, {320, 240 - 26}},
    {"VGA portrait", {192, 192, BuildConfiguration::vga}, {480, 640 - 52}},
    {"VGA landscape", {192, 192, BuildConfiguration::vga}, {640, 480 - 52}},
};

bool inside(const Rect& rect, ClientSize client)
{
    return rect.left >= 0 && rect.top >= 0 && rect.right <= client.width && rect.bottom <= client.height;
}

// Shown after the deal, or by an action later on; a pile never shown is
// only a place where the game keeps cards out of sight.
std::vector<bool> shownSometime(const GameDefinition& definition, const GameState& dealt)
{
    std::vector<bool> shown(definition.piles.size(), false);
    for (std::size_t pile = 0; pile < shown.size(); ++pile)
        shown[pile] = dealt.piles[pile].interactive != 0;
    for (const ActionDefinition& action : definition.actions)
        if (action.kind == static_cast<std::uint8_t>(ActionKind::setPileAttribute) &&
            action.attribute == kPileInteractive && action.value != 0 && action.pileA < shown.size())
            shown[action.pileA] = true;
    return shown;
}

std::string describe(const Rect& rect)
{
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ") to (" + std::to_string(rect.right) +
           ", " + std::to_string(rect.bottom) + ")";
}

// The area a pile's cards cover, from its bottom card to its top card (its
// empty place when it has none).
Rect coveredArea(const FieldView& view, int pile, ClientSize client)
{
    const int cards = static_cast<int>(view.piles[static_cast<std::size_t>(pile)].cards.size());
    const Rect bottom = cardRect(view, CardPosition(view, pile, 0, client));
    if (cards < 2)
        return bottom;
    const Rect top = cardRect(view, CardPosition(view, pile, cards - 1, client));
    return {std::min(bottom.left, top.left), std::min(bottom.top, top.top), std::max(bottom.right, top.right),
            std::max(bottom.bottom, top.bottom)};
}

// Whether two areas cover each other by more than a sliver: a row of
// thirteen columns is wider than a portrait board, so neighbouring piles of
// such rows may share an eighth of a card's width (or height) at their edges,
// where no rank or suit is drawn.
bool cover(const Rect& a, const Rect& b, int cardWidth, int cardHeight)
{
    const int width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    if (width <= 0 || height <= 0)
        return false;
    return width * 8 > cardWidth && height * 8 > cardHeight;
}

// Games whose piles lie over one another by design: a pyramid's rows, where
// each card half covers the two below it, and a fir tree's rows of reserve
// cards, each lying over the row above.
const std::set<std::string> kOverlappingByDesign = {"Pyramid", "Napoleon Takes Moscow", "Napoleon Leaves Moscow"};

// Game 1 of a shipped game, dealt and laid out on one board.
struct LaidOutDeal {
    const Board& board;
    const GameDefinition& definition;
    const GameState& dealt;
    FieldView& view;
    int cardWidth;
    int cardHeight;
    bool shown(int pile) const { return dealt.piles[static_cast<std::size_t>(pile)].interactive != 0; }
};

// Hands `check` game 1 of every shipped game, laid out on each board, but
// for the games whose piles overlap by design.
template <typename Check>
void forEachLaidOutDeal(Check check)
{
    for (const Board& board : kBoards) {
        SCOPED_TRACE(board.name);
        Engine engine(board.screen);
        testing::forEachEmbeddedGame(engine, [&] {
            const GameDefinition& definition = engine.definition();
            if (kOverlappingByDesign.count(definition.name))
                return true;
            GameNumber number = 1;
            EXPECT_TRUE(engine.newDeal(number)) << definition.name;
            FieldView view = BuildView(definition, engine.state());
            PrepareLayout(view, board.screen);
            const Rect card = cardRect(view, Point{0, 0});
            check(LaidOutDeal{board, definition, engine.state(), view, card.right - card.left, card.bottom - card.top});
            return true;
        });
    }
}

TEST(ShippedLayouts, NoTwoPilesCoverEachOtherAtTheDeal)
{
    forEachLaidOutDeal([](const LaidOutDeal& deal) {
        std::vector<int> shown;
        for (int pile = 0; pile < deal.view.pileCount(); ++pile)
            if (deal.shown(pile))
                shown.push_back(pile);
        for (std::size_t a = 0; a < shown.size(); ++a)
            for (std::size_t b = a + 1; b < shown.size(); ++b) {
                const Rect first = coveredArea(deal.view, shown[a], deal.board.client);
                const Rect second = coveredArea(deal.view, shown[b], deal.board.client);
                EXPECT_FALSE(cover(first, second, deal.cardWidth, deal.cardHeight))
                    << deal.definition.name << ": pile " << shown[a] << " at " << describe(first) << " and pile "
                    << shown[b] << " at " << describe(second);
            }
    });
}

TEST(ShippedLayouts, EveryPileAndEveryFanAtItsLongestLiesInsideTheBoard)
{
    for (const Board& board : kBoards) {
        SCOPED_TRACE(board.name);
        Engine engine(board.screen);
        int games = 0;
        testing::forEachEmbeddedGame(engine, [&] {
            ++games;
            const GameDefinition& definition = engine.definition();
            GameNumber number = 1;
            EXPECT_TRUE(engine.newDeal(number)) << definition.name;
            FieldView view = BuildView(definition, engine.state());
            PrepareLayout(view, board.screen);
            const int allCards = static_cast<int>(definition.cards.size());
            const std::vector<bool> seen = shownSometime(definition, engine.state());
            for (int pile = 0; pile < view.pileCount(); ++pile) {
                if (!seen[static_cast<std::size_t>(pile)])
                    continue;
                const Rect place = cardRect(view, PileOrigin(view, pile, board.client));
                EXPECT_TRUE(inside(place, board.client))
                    << definition.name << ", pile " << pile << " at " << describe(place);
                ViewPile& fan = view.piles[static_cast<std::size_t>(pile)];
                if (!isFanned(fan))
                    continue;
                fan.cards.assign(static_cast<std::size_t>(allCards), ViewCard{});
                const Rect top = cardRect(view, CardPosition(view, pile, allCards - 1, board.client));
                EXPECT_TRUE(inside(top, board.client))
                    << definition.name << ", pile " << pile << " holding every card ends at " << describe(top);
            }
            return true;
        });
        EXPECT_GT(games, 0);
    }
}

// A fan given a limit stops there so as to leave the piles beyond it clear:
// however many cards it holds, it covers no other pile's place (a tableau
// row's fans stop above the next row).
TEST(ShippedLayouts, AFanWithALimitCoversNoOtherPileHoweverLongItGrows)
{
    forEachLaidOutDeal([](const LaidOutDeal& deal) {
        FieldView& view = deal.view;
        const ClientSize client = deal.board.client;
        const int allCards = static_cast<int>(deal.definition.cards.size());
        for (int pile = 0; pile < view.pileCount(); ++pile) {
            ViewPile& fan = view.piles[static_cast<std::size_t>(pile)];
            if (!isFanned(fan) || fan.fanLimit == 0 || !deal.shown(pile))
                continue;
            // A fan squeezes its cards closer as it grows, so its longest
            // reach may come before it holds every card.
            const std::vector<ViewCard> dealt = fan.cards;
            Rect grown = coveredArea(view, pile, client);
            for (int cards = 2; cards <= allCards; ++cards) {
                fan.cards.assign(static_cast<std::size_t>(cards), ViewCard{});
                const Rect area = coveredArea(view, pile, client);
                grown = {std::min(grown.left, area.left), std::min(grown.top, area.top),
                         std::max(grown.right, area.right), std::max(grown.bottom, area.bottom)};
            }
            fan.cards = dealt;
            for (int other = 0; other < view.pileCount(); ++other) {
                if (other == pile || !deal.shown(other))
                    continue;
                const Rect place = cardRect(view, PileOrigin(view, other, client));
                EXPECT_FALSE(cover(grown, place, deal.cardWidth, deal.cardHeight))
                    << deal.definition.name << ": pile " << pile << " grown to " << describe(grown) << " covers pile "
                    << other << " at " << describe(place);
            }
        }
    });
}

}  // namespace
}  // namespace velmora
