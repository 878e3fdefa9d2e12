// Faces put together from the shipped glyphs as the game field does: the
// glyphs stay inside the border with white around them, the rank never
// touches the suit beside it, and every card looks different from every
// other.
#include <gtest/gtest.h>

#include <string>

#include "card_face.h"
#include "shipped_artwork.h"

namespace velmora::artwork_test {
namespace {

using artwork::CardSizeIds;
using artwork::Image;
using artwork::Rgb;

constexpr Rgb kWhite{255, 255, 255};

struct FaceCase {
    BuildConfiguration configuration;
    bool large;
};

class ComposedFaces : public ::testing::TestWithParam<FaceCase> {
protected:
    void SetUp() override
    {
        bitmaps_ = shippedBitmaps(GetParam().configuration);
        ids_ = &artwork::cardIds(GetParam().configuration);
        card_ = GetParam().large ? &ids_->large : &ids_->normal;
    }

    Image face(int suit, int rank) const { return artwork::cardFace(bitmaps_, ids_->unit, *card_, suit, rank); }

    std::map<int, Image> bitmaps_;
    const artwork::ConfigurationIds* ids_ = nullptr;
    const CardSizeIds* card_ = nullptr;
};

// Columns of the glyph that hold ink, as card columns.
std::pair<int, int> inkColumns(const Image& glyph, int left)
{
    int first = glyph.width();
    int last = -1;
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (glyph.at(x, y) != kWhite) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {left + first, left + last};
}

TEST_P(ComposedFaces, GlyphsLeaveTheBorderAndAWhiteRingInsideIt)
{
    const int w = card_->cardWidth;
    const int h = card_->cardHeight;
    Image blank(w, h, kWhite);
    artwork::drawBorder(blank, 0, 0, w, h, artwork::kLightBorder, artwork::kDarkBorder);
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank) {
            SCOPED_TRACE("suit " + std::to_string(suit) + " rank " + std::to_string(rank));
            const Image card = face(suit, rank);
            for (int x = 0; x < w; ++x) {
                EXPECT_EQ(card.at(x, 0), blank.at(x, 0));
                EXPECT_EQ(card.at(x, h - 1), blank.at(x, h - 1));
            }
            for (int y = 0; y < h; ++y) {
                EXPECT_EQ(card.at(0, y), blank.at(0, y));
                EXPECT_EQ(card.at(w - 1, y), blank.at(w - 1, y));
            }
            for (int x = 1; x < w - 1; ++x) {
                EXPECT_EQ(card.at(x, 1), kWhite);
                EXPECT_EQ(card.at(x, h - 2), kWhite);
            }
            for (int y = 1; y < h - 1; ++y) {
                EXPECT_EQ(card.at(1, y), kWhite);
                EXPECT_EQ(card.at(w - 2, y), kWhite);
            }
        }
}

TEST_P(ComposedFaces, RankAndCornerSuitKeepAWhiteColumnBetweenThem)
{
    const int unit = ids_->unit;
    for (int suit = 0; suit < 4; ++suit) {
        const auto suitInk = inkColumns(bitmaps_.at(card_->cornerSuitId + suit), unit + card_->cardWidth / 2);
        for (int rank = 0; rank < 13; ++rank) {
            const auto rankInk = inkColumns(bitmaps_.at(card_->rankId + rank), unit);
            EXPECT_LT(rankInk.second + 1, suitInk.first) << "suit " << suit << " rank " << rank;
        }
    }
}

TEST_P(ComposedFaces, EveryCardOfTheDeckLooksDifferent)
{
    std::vector<Image> deck;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            deck.push_back(face(suit, rank));
    for (std::size_t a = 0; a < deck.size(); ++a)
        for (std::size_t b = a + 1; b < deck.size(); ++b)
            EXPECT_FALSE(deck[a] == deck[b]) << "cards " << a << " and " << b;
}

TEST_P(ComposedFaces, EmptyPileMarksAreGreyOnTheTable)
{
    const Rgb table{0, 128, 0};
    Image field(card_->cardWidth, card_->cardHeight, table);
    artwork::drawEmptyPileMark(field, 0, 0, bitmaps_, ids_->unit, *card_, 12, 3);
    int grey = 0;
    for (const Rgb& pixel : field.pixels()) {
        EXPECT_TRUE(pixel == table || isNeutral(pixel)) << "only grey lies on the table";
        if (pixel != table)
            ++grey;
    }
    EXPECT_GT(grey, 2 * (card_->cardWidth + card_->cardHeight));
}

INSTANTIATE_TEST_SUITE_P(AllCardSizes, ComposedFaces,
                         ::testing::Values(FaceCase{BuildConfiguration::standard, false},
                                           FaceCase{BuildConfiguration::standard, true},
                                           FaceCase{BuildConfiguration::vga, false},
                                           FaceCase{BuildConfiguration::vga, true}),
                         [](const auto& info) {
                             return std::string(info.param.configuration == BuildConfiguration::vga ? "Vga"
                                                                                                      : "Standard") +
                                    (info.param.large ? "Large" : "Normal");
                         });

}  // namespace
}  // namespace velmora::artwork_test
