// The colour rules of the artwork: black ranks, suit colours, white glyph
// grounds, grey marks in exactly the faces' shapes, and no fringes near the
// colour a picture is copied transparently with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "expected_bitmaps.h"
#include "shipped_artwork.h"

namespace velmora::artwork_test {
namespace {

using artwork::Image;
using artwork::Rgb;

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGreen{0, 255, 0};

class ShippedColours : public ::testing::TestWithParam<BuildConfiguration> {
protected:
    void SetUp() override { bitmaps_ = shippedBitmaps(GetParam()); }

    const Image& bitmap(int id) const { return bitmaps_.at(id); }

    std::vector<ExpectedBitmap> ofKind(Kind kind) const
    {
        std::vector<ExpectedBitmap> found;
        for (const ExpectedBitmap& expected : expectedBitmaps(GetParam()))
            if (expected.kind == kind)
                found.push_back(expected);
        return found;
    }

    // The face glyph a grey mark copies: same size, same rank or suit.
    const Image& faceOf(const ExpectedBitmap& mark) const
    {
        const Kind faceKind = mark.kind == Kind::greyRank         ? Kind::rank
                              : mark.kind == Kind::greyCornerSuit ? Kind::cornerSuit
                                                                  : Kind::centreSuit;
        for (const ExpectedBitmap& face : ofKind(faceKind))
            if (face.index == mark.index && face.width == mark.width && face.height == mark.height)
                return bitmap(face.id);
        throw std::logic_error("no face for mark " + std::to_string(mark.id));
    }

    std::map<int, Image> bitmaps_;
};

bool cornersAre(const Image& image, Rgb colour)
{
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    return image.at(0, 0) == colour && image.at(right, 0) == colour && image.at(0, bottom) == colour &&
           image.at(right, bottom) == colour;
}

// A pixel drawn between white and a strong red: green and blue equal, red
// at least as high.
bool isWhiteToRed(Rgb colour)
{
    return colour.g == colour.b && colour.r >= colour.g;
}

bool isStrongRed(Rgb colour)
{
    return colour.r >= 0xB0 && colour.g <= 0x30 && colour.b <= 0x30;
}

TEST_P(ShippedColours, RankGlyphsAreBlackOnWhiteWithAMarginTowardsTheBorder)
{
    for (const ExpectedBitmap& rank : ofKind(Kind::rank)) {
        SCOPED_TRACE("bitmap " + std::to_string(rank.id));
        const Image& glyph = bitmap(rank.id);
        bool hasBlack = false;
        for (const Rgb& pixel : glyph.pixels()) {
            EXPECT_TRUE(isNeutral(pixel));
            hasBlack = hasBlack || pixel == kBlack;
        }
        EXPECT_TRUE(hasBlack);
        for (int x = 0; x < glyph.width(); ++x)
            EXPECT_EQ(glyph.at(x, 0), kWhite);
        for (int y = 0; y < glyph.height(); ++y)
            EXPECT_EQ(glyph.at(0, y), kWhite);
    }
}

TEST_P(ShippedColours, SpadesAndClubsAreBlackDiamondsAndHeartsRedOnWhite)
{
    for (const Kind kind : {Kind::cornerSuit, Kind::centreSuit})
        for (const ExpectedBitmap& suit : ofKind(kind)) {
            SCOPED_TRACE("bitmap " + std::to_string(suit.id));
            const Image& glyph = bitmap(suit.id);
            EXPECT_TRUE(cornersAre(glyph, kWhite));
            const bool red = suit.index >= 2;
            bool hasInk = false;
            for (const Rgb& pixel : glyph.pixels()) {
                EXPECT_TRUE(red ? isWhiteToRed(pixel) : isNeutral(pixel));
                hasInk = hasInk || (red ? isStrongRed(pixel) : pixel == kBlack);
            }
            EXPECT_TRUE(hasInk);
        }
}

TEST_P(ShippedColours, GreyMarksAreTheFacesShapesInOneGrey)
{
    std::set<std::uint8_t> greys;
    for (const Kind kind : {Kind::greyRank, Kind::greyCornerSuit, Kind::greyCentreSuit})
        for (const ExpectedBitmap& mark : ofKind(kind)) {
            SCOPED_TRACE("bitmap " + std::to_string(mark.id));
            const Image& grey = bitmap(mark.id);
            const Image& face = faceOf(mark);
            for (int y = 0; y < grey.height(); ++y)
                for (int x = 0; x < grey.width(); ++x) {
                    const Rgb pixel = grey.at(x, y);
                    if (pixel != kWhite) {
                        EXPECT_TRUE(isNeutral(pixel));
                        greys.insert(pixel.r);
                    }
                    // A face pixel at least half inked is in the mark.
                    EXPECT_EQ(pixel != kWhite, face.at(x, y).g < 128) << "at " << x << ", " << y;
                }
        }
    ASSERT_EQ(greys.size(), 1u);
    EXPECT_GT(*greys.begin(), 0x40);
    EXPECT_LT(*greys.begin(), 0xE0);
}

TEST_P(ShippedColours, RedealMarksAreBlackAndRedArrowsPointingDown)
{
    for (const ExpectedBitmap& mark : ofKind(Kind::redeal)) {
        SCOPED_TRACE("bitmap " + std::to_string(mark.id));
        const Image& arrow = bitmap(mark.id);
        std::set<std::uint32_t> inks;
        std::vector<int> widths;
        for (int y = 0; y < arrow.height(); ++y) {
            int width = 0;
            for (int x = 0; x < arrow.width(); ++x) {
                const Rgb pixel = arrow.at(x, y);
                if (pixel == kWhite)
                    continue;
                ++width;
                inks.insert(static_cast<std::uint32_t>(pixel.r << 16 | pixel.g << 8 | pixel.b));
            }
            if (width > 0)
                widths.push_back(width);
        }
        ASSERT_EQ(inks.size(), 1u) << "hard edges: one ink";
        const Rgb ink{static_cast<std::uint8_t>(*inks.begin() >> 16), static_cast<std::uint8_t>(*inks.begin() >> 8),
                      static_cast<std::uint8_t>(*inks.begin())};
        EXPECT_TRUE(mark.index == 0 ? ink == kBlack : isStrongRed(ink));
        // Narrow shaft above, the widest row in the lower half, a point at the bottom.
        ASSERT_GE(widths.size(), 4u);
        const auto widest = std::max_element(widths.begin(), widths.end());
        EXPECT_GE(widest - widths.begin(), static_cast<long>(widths.size() / 2));
        EXPECT_LT(widths.front(), *widest);
        EXPECT_LT(widths.back(), widths.front());
    }
}

// Pictures copied with white left out must not carry almost-white pixels
// where they meet the white: they would show as pale fringes on the green
// table or the bar. (Near-white inside a shape, as paper, is fine.)
TEST_P(ShippedColours, PicturesCopiedOverWhiteHaveNoPaleFringe)
{
    for (const Kind kind : {Kind::greyRank, Kind::greyCornerSuit, Kind::greyCentreSuit, Kind::redeal, Kind::toolbar,
                            Kind::reset})
        for (const ExpectedBitmap& expected : ofKind(kind)) {
            SCOPED_TRACE("bitmap " + std::to_string(expected.id));
            const Image& picture = bitmap(expected.id);
            EXPECT_TRUE(cornersAre(picture, kWhite));
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) {
                    const Rgb pixel = picture.at(x, y);
                    if (pixel == kWhite || !(pixel.r >= 0xE0 && pixel.g >= 0xE0 && pixel.b >= 0xE0))
                        continue;
                    for (const auto& [dx, dy] : {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}})
                        if (picture.contains(x + dx, y + dy)) {
                            EXPECT_NE(picture.at(x + dx, y + dy), kWhite) << "pale pixel at " << x << ", " << y;
                        }
                }
        }
}

TEST_P(ShippedColours, ChooserIconsStandOnPureGreenWithoutGreenishFringe)
{
    for (const Kind kind : {Kind::category, Kind::skill, Kind::time, Kind::folder, Kind::stars, Kind::clock,
                            Kind::favourite, Kind::arrow})
        for (const ExpectedBitmap& expected : ofKind(kind)) {
            SCOPED_TRACE("bitmap " + std::to_string(expected.id));
            const Image& icon = bitmap(expected.id);
            int transparent = 0;
            for (const Rgb& pixel : icon.pixels()) {
                if (pixel == kGreen) {
                    ++transparent;
                    continue;
                }
                EXPECT_FALSE(pixel.g >= 0xB0 && pixel.r <= 0x50 && pixel.b <= 0x50);
            }
            const int total = icon.width() * icon.height();
            EXPECT_GT(transparent, 0);
            EXPECT_GT(total - transparent, total / 5) << "an icon, not a blank";
        }
}

TEST_P(ShippedColours, FourBacksOfEachSizeAreDifferentColouredPatterns)
{
    std::map<int, std::vector<const Image*>> backsByWidth;
    for (const ExpectedBitmap& back : ofKind(Kind::back))
        backsByWidth[back.width].push_back(&bitmap(back.id));
    ASSERT_EQ(backsByWidth.size(), 2u);
    for (const auto& [width, backs] : backsByWidth) {
        SCOPED_TRACE("backs " + std::to_string(width) + " wide");
        ASSERT_EQ(backs.size(), 4u);
        std::vector<Rgb> dominant;
        for (const Image* back : backs) {
            std::map<std::uint32_t, int> counts;
            for (const Rgb& pixel : back->pixels())
                if (pixel != kWhite)
                    ++counts[static_cast<std::uint32_t>(pixel.r << 16 | pixel.g << 8 | pixel.b)];
            EXPECT_GE(counts.size(), 3u) << "a pattern, not a plain colour";
            EXPECT_GT(countNot(*back, kWhite), back->width() * back->height() / 2);
            const auto most = std::max_element(counts.begin(), counts.end(),
                                               [](const auto& a, const auto& b) { return a.second < b.second; });
            dominant.push_back({static_cast<std::uint8_t>(most->first >> 16), static_cast<std::uint8_t>(most->first >> 8),
                                static_cast<std::uint8_t>(most->first)});
        }
        for (std::size_t a = 0; a < dominant.size(); ++a)
            for (std::size_t b = a + 1; b < dominant.size(); ++b)
                EXPECT_GT(std::abs(dominant[a].r - dominant[b].r) + std::abs(dominant[a].g - dominant[b].g) +
                              std::abs(dominant[a].b - dominant[b].b),
                          100)
                    << "backs " << a << " and " << b << " share a colour";
    }
}

TEST_P(ShippedColours, TheToolbarStripHoldsFourImages)
{
    const Image& strip = bitmap(ofKind(Kind::toolbar).front().id);
    const int size = strip.height();
    for (int index = 0; index < 4; ++index) {
        int inked = 0;
        for (int y = 0; y < size; ++y)
            for (int x = index * size; x < (index + 1) * size; ++x)
                if (strip.at(x, y) != kWhite)
                    ++inked;
        EXPECT_GT(inked, size * size / 6) << "image " << index;
    }
}

INSTANTIATE_TEST_SUITE_P(BothConfigurations, ShippedColours,
                         ::testing::Values(BuildConfiguration::standard, BuildConfiguration::vga),
                         [](const auto& info) {
                             return info.param == BuildConfiguration::vga ? std::string("Vga")
                                                                          : std::string("Standard");
                         });

}  // namespace
}  // namespace velmora::artwork_test
