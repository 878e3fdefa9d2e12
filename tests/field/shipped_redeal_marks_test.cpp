// Every shipped game with a redeal mark shows the redeals its rules text
// promises: the black arrow while more than one is left, the red arrow for
// the last, no arrow and no tap once none is left.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <regex>
#include <string>

#include "field_drawing.h"
#include "field_view.h"
#include "game_fixture.h"

namespace velmora {
namespace {

enum class Arrow { black, red, none };

const char* nameOf(Arrow arrow)
{
    return arrow == Arrow::black ? "black arrow" : arrow == Arrow::red ? "red arrow" : "no arrow";
}

Arrow arrowFor(int redealsLeft)
{
    return redealsLeft >= 2 ? Arrow::black : redealsLeft == 1 ? Arrow::red : Arrow::none;
}

// How often the rules text lets the player redeal: "no redeal", "redeal
// once", "twice", "three times" ...; nothing when it does not say.
std::optional<int> promisedRedeals(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    if (text.find("no redeal") != std::string::npos)
        return 0;
    static const std::regex promise(R"(redeal (once|twice|(three|four|five|six) times))");
    std::smatch match;
    if (!std::regex_search(text, match, promise))
        return std::nullopt;
    static const char* const counts[] = {"once", "twice", "three", "four", "five", "six"};
    const std::string word = match[2].matched ? match[2].str() : match[1].str();
    for (int n = 0; n < 6; ++n)
        if (word == counts[n])
            return n + 1;
    return std::nullopt;
}

// The arrow the field draws on the empty pile.
Arrow arrowShown(const Engine& engine, int pile)
{
    FieldView view = BuildView(engine.definition(), engine.state());
    PrepareLayout(view, ScreenMetrics{96, 96, BuildConfiguration::standard});
    HitItemList items;
    for (const FieldDrawItem& item : layOutField(view, engine.state().cards, {240, 294}, {}, items)) {
        if (item.pile != pile || item.kind != FieldDrawItem::Kind::emptyPile)
            continue;
        const std::uint16_t counter = item.mark.redealCounter;
        return counter == 0 ? Arrow::black : counter == 1 ? Arrow::red : Arrow::none;
    }
    ADD_FAILURE() << "pile " << pile << " is not drawn as an empty pile";
    return Arrow::none;
}

// A mark on a stock shows once the stock is dealt out.
void dealOut(Engine& engine, int pile)
{
    for (int taps = 0; taps < 104 && engine.state().piles[static_cast<std::size_t>(pile)].count > 0; ++taps)
        ASSERT_TRUE(engine.tapPile(pile, nullptr)) << "the marked pile cannot be dealt out";
}

TEST(ShippedRedealMarks, EachMarkCountsDownTheRedealsTheRulesPromise)
{
    Engine engine;
    int marked = 0;
    testing::forEachEmbeddedGame(engine, [&] {
        const GameDefinition& definition = engine.definition();
        for (int pile = 0; pile < definition.pileCount(); ++pile) {
            if (definition.piles[static_cast<std::size_t>(pile)].style != kStyleRedealMark)
                continue;
            SCOPED_TRACE(definition.name + ", pile " + std::to_string(pile));
            ++marked;
            const std::optional<int> promised = promisedRedeals(definition.description);
            if (!promised) {
                ADD_FAILURE() << "the rules text does not say how often the game redeals";
                continue;
            }
            GameNumber number = 1;
            EXPECT_TRUE(engine.newDeal(number));
            engine.runDealEvents();
            for (int left = *promised; left >= 0; --left) {
                SCOPED_TRACE(std::to_string(left) + " redeals left");
                dealOut(engine, pile);
                EXPECT_STREQ(nameOf(arrowShown(engine, pile)), nameOf(arrowFor(left)));
                EXPECT_EQ(engine.canTap(pile), left > 0);
                if (left > 0) {
                    EXPECT_TRUE(engine.tapPile(pile, nullptr));
                }
            }
        }
        return true;
    });
    EXPECT_GT(marked, 0) << "no shipped game has a redeal mark";
}

TEST(ShippedRedealMarks, ThePromiseIsReadFromTheRulesText)
{
    EXPECT_EQ(promisedRedeals("Tap the mark to shuffle. You may redeal twice."), 2);
    EXPECT_EQ(promisedRedeals("You may Redeal once."), 1);
    EXPECT_EQ(promisedRedeals("You may redeal three times."), 3);
    EXPECT_EQ(promisedRedeals("There is no stock and no redeal."), 0);
    EXPECT_EQ(promisedRedeals("Redeal as often as you like."), std::nullopt);
}

}  // namespace
}  // namespace velmora
