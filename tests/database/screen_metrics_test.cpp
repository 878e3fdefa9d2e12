#include <gtest/gtest.h>

#include "klondike_record.h"
#include "record_decoder.h"
#include "screen_metrics.h"

namespace velmora {
namespace {

constexpr ScreenMetrics kStandard96{96, 96, BuildConfiguration::standard};
constexpr ScreenMetrics kStandard128{128, 128, BuildConfiguration::standard};
constexpr ScreenMetrics kVga192{192, 192, BuildConfiguration::vga};
constexpr ScreenMetrics kVga128{128, 128, BuildConfiguration::vga};

PileDefinition pileAt(std::int16_t x, std::uint8_t xAnchor, std::int16_t y = 0, std::uint8_t yAnchor = 1,
                      std::int16_t fanLimit = 0)
{
    PileDefinition pile{};
    pile.x = x;
    pile.xAnchor = xAnchor;
    pile.y = y;
    pile.yAnchor = yAnchor;
    pile.fanLimit = fanLimit;
    return pile;
}

// The adapted pile of a one-pile game.
PileDefinition adapted(PileDefinition pile, std::uint16_t largeCards, const ScreenMetrics& screen)
{
    GameDefinition definition;
    definition.largeCards = largeCards;
    definition.piles.push_back(pile);
    adaptCoordinates(definition, screen);
    return definition.piles[0];
}

void expectCardMetrics(const CardMetrics& m, int normalWidth, int normalHeight, int largeWidth, int largeHeight)
{
    EXPECT_EQ(m.normalWidth, normalWidth);
    EXPECT_EQ(m.normalHeight, normalHeight);
    EXPECT_EQ(m.largeWidth, largeWidth);
    EXPECT_EQ(m.largeHeight, largeHeight);
}

TEST(CardMetrics, StandardConfigurationIsFixedAndVgaFollowsTheScreen)
{
    expectCardMetrics(cardMetrics(kStandard96), 20, 27, 26, 35);
    expectCardMetrics(cardMetrics(ScreenMetrics{192, 131, BuildConfiguration::standard}), 20, 27, 26, 35);
    expectCardMetrics(cardMetrics(kVga192), 40, 54, 52, 70);
    // Widths from the horizontal, heights from the vertical pixels per inch, rounded.
    expectCardMetrics(cardMetrics(ScreenMetrics{131, 100, BuildConfiguration::vga}), 27, 28, 35, 36);
}

TEST(CoordinateAdaptation, NormalCardsAt96Dpi)
{
    EXPECT_EQ(adapted(pileAt(30, 0), 0, kStandard96).x, 40);   // 30 * 20 / 15
    EXPECT_EQ(adapted(pileAt(50, 2), 0, kStandard96).x, 40);   // (50 - 80) * 20 / 15 + 80
    EXPECT_EQ(adapted(pileAt(100, 3), 0, kStandard96).x, 80);  // (100 - 160) * 20 / 15 + 160
    EXPECT_EQ(adapted(pileAt(0, 1, 42, 0), 0, kStandard96).y, 54);  // 42 * 27 / 21
}

TEST(CoordinateAdaptation, DivisionTruncatesTowardZero)
{
    EXPECT_EQ(adapted(pileAt(-10, 0), 0, kStandard96).x, -13);  // -13.3
    EXPECT_EQ(adapted(pileAt(70, 2), 0, kStandard96).x, 67);    // -13.3 + 80
    EXPECT_EQ(adapted(pileAt(30, 0), 1, kStandard96).x, 43);    // 30 * 26 / 18 = 43.3
}

TEST(CoordinateAdaptation, ProportionalAndUnknownAnchorsKeepTheirValues)
{
    for (const ScreenMetrics& screen : {kStandard96, kStandard128, kVga128, kVga192}) {
        for (std::uint16_t largeCards : {0, 1}) {
            for (std::uint8_t anchor : {1, 7}) {
                const PileDefinition pile = adapted(pileAt(37, anchor, 91, anchor), largeCards, screen);
                EXPECT_EQ(pile.x, 37);
                EXPECT_EQ(pile.y, 91);
            }
        }
    }
}

TEST(CoordinateAdaptation, ScaleTwoDoesNotSwitchToLargeCards)
{
    GameDefinition definition;
    definition.piles.push_back(pileAt(30, 0, 21, 0, 59));
    adaptCoordinates(definition, kVga192);
    EXPECT_EQ(definition.largeCards, 0);
    EXPECT_EQ(definition.piles[0].fanLimit, 59);
    EXPECT_EQ(definition.piles[0].x, 80);  // 30 * 40 / 15
    EXPECT_EQ(definition.piles[0].y, 54);  // 21 * 54 / 21
}

TEST(CoordinateAdaptation, ScaleBetweenOneAndTwoSwitchesToLargeCards)
{
    for (const ScreenMetrics& screen : {kStandard128, kVga128}) {
        GameDefinition definition;
        definition.piles.push_back(pileAt(30, 0, 21, 0, 59));
        definition.piles.push_back(pileAt(30, 1, 21, 1, 0));
        adaptCoordinates(definition, screen);
        EXPECT_EQ(definition.largeCards, 1);
        EXPECT_EQ(definition.piles[0].fanLimit, 56);
        EXPECT_EQ(definition.piles[1].fanLimit, 0);
    }
    // Switched games keep 15 by 21 units per card: large card size over normal units.
    EXPECT_EQ(adapted(pileAt(30, 0, 21, 0), 0, kStandard128).x, 52);  // 30 * 26 / 15
    EXPECT_EQ(adapted(pileAt(30, 0, 21, 0), 0, kStandard128).y, 35);  // 21 * 35 / 21
    EXPECT_EQ(adapted(pileAt(30, 0, 21, 0), 0, kVga128).x, 70);       // 30 * 35 / 15
    EXPECT_EQ(adapted(pileAt(30, 0, 21, 0), 0, kVga128).y, 47);       // 21 * 47 / 21
}

TEST(CoordinateAdaptation, LargeCardGamesAreNotSwitched)
{
    const PileDefinition pile = adapted(pileAt(36, 0, 48, 0, 59), 1, kStandard128);
    EXPECT_EQ(pile.fanLimit, 59);
    EXPECT_EQ(pile.x, 52);  // 36 * 26 / 18
    EXPECT_EQ(pile.y, 70);  // 48 * 35 / 24
}

TEST(CoordinateAdaptation, DecodingAdaptsTheRecordsPiles)
{
    const DecodedRecord decoded = decodeRuleRecord(testing::klondikeRecord(), kStandard96);
    ASSERT_TRUE(decoded) << decoded.message;
    const PileDefinition& stock = decoded.definition->piles[0];
    EXPECT_EQ(stock.x, 14);  // proportional anchor
    EXPECT_EQ(stock.y, 20);  // 14 * 35 / 24, large cards
}

}  // namespace
}  // namespace velmora
