// The shipped artwork is exactly what the drawing code and the grids give
// now, and drawing it is deterministic.
#include <gtest/gtest.h>

#include "artwork_set.h"
#include "bitmap_format.h"
#include "shipped_artwork.h"

namespace velmora::artwork {
namespace {

class Generation : public ::testing::TestWithParam<BuildConfiguration> {};

TEST_P(Generation, DrawingTwiceGivesTheShippedBytes)
{
    const GridLibrary grids = GridLibrary::load(VELMORA_ARTWORK_GRIDS);
    const std::vector<Bitmap> first = drawArtwork(GetParam(), grids);
    const std::vector<Bitmap> second = drawArtwork(GetParam(), grids);
    const auto shipped = artwork_test::shippedEntries(GetParam());
    ASSERT_EQ(first.size(), shipped.size());
    ASSERT_EQ(second.size(), shipped.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        SCOPED_TRACE(first[i].type + " " + std::to_string(first[i].id));
        EXPECT_EQ(first[i].image, second[i].image);
        EXPECT_EQ(first[i].type, shipped[i].type);
        EXPECT_EQ(first[i].id, shipped[i].id);
        const std::vector<std::uint8_t> bytes = encodeBitmap(first[i].image);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), shipped[i].bytes.begin(), shipped[i].bytes.end()));
    }
}

INSTANTIATE_TEST_SUITE_P(BothConfigurations, Generation,
                         ::testing::Values(BuildConfiguration::standard, BuildConfiguration::vga),
                         [](const auto& info) {
                             return info.param == BuildConfiguration::vga ? std::string("Vga")
                                                                          : std::string("Standard");
                         });

TEST(Generation, TheStandardDrawingNeedsEveryGridAndUsesThemAll)
{
    EXPECT_THROW(drawArtwork(BuildConfiguration::standard, GridLibrary()), GridError);
    const GridLibrary grids = GridLibrary::load(VELMORA_ARTWORK_GRIDS);
    drawArtwork(BuildConfiguration::standard, grids);
    EXPECT_EQ(grids.unusedGrids(), std::vector<std::string>());
}

TEST(Generation, TheVgaDrawingNeedsNoGrids)
{
    EXPECT_NO_THROW(drawArtwork(BuildConfiguration::vga, GridLibrary()));
}

}  // namespace
}  // namespace velmora::artwork
