// The sampling rasteriser: exact coverage counts, the hard-edge threshold,
// winding-rule holes and the outline growth used by the icons.
#include <gtest/gtest.h>

#include "icon_canvas.h"
#include "raster.h"

namespace velmora::artwork {
namespace {

TEST(Raster, CoverageCountsSamplePointsExactly)
{
    const Region unitSquare = box(2, 3, 3, 4);
    EXPECT_EQ(coverage(unitSquare, 2, 3), kFullCoverage);
    EXPECT_EQ(coverage(unitSquare, 3, 3), 0);
    EXPECT_EQ(coverage(box(0, 0, 0.5, 1), 0, 0), kFullCoverage / 2);
    EXPECT_EQ(coverage(box(0, 0, 0.25, 0.5), 0, 0), kFullCoverage / 8);
}

TEST(Raster, SmoothEdgesBlendAndHardEdgesNeedMoreThanHalf)
{
    Image smooth(3, 1, kWhite);
    paint(smooth, box(0, 0, 1.5, 1), kBlack, Edge::smooth);
    EXPECT_EQ(smooth.at(0, 0), kBlack);
    EXPECT_EQ(smooth.at(1, 0), (Rgb{128, 128, 128}));
    EXPECT_EQ(smooth.at(2, 0), kWhite);

    Image hard(3, 1, kWhite);
    paint(hard, box(0, 0, 1.5, 1), kBlack, Edge::hard);
    paint(hard, box(2, 0, 2.6, 1), kBlack, Edge::hard);
    EXPECT_EQ(hard.at(0, 0), kBlack);
    EXPECT_EQ(hard.at(1, 0), kWhite) << "exactly half is not enough";
    EXPECT_EQ(hard.at(2, 0), kBlack);
}

TEST(Raster, ADiscCoversItsArea)
{
    Image image(20, 20, kWhite);
    paint(image, circle({10, 10}, 6), kBlack, Edge::hard);
    int inked = 0;
    for (const Rgb& pixel : image.pixels())
        inked += pixel == kBlack ? 1 : 0;
    EXPECT_NEAR(inked, 113, 6);  // 36 pi
    EXPECT_EQ(image.at(10, 10), kBlack);
    EXPECT_EQ(image.at(3, 10), kWhite);
}

TEST(Raster, ContoursRunningTheOtherWayCutHoles)
{
    const Region ring = contours({{{0, 0}, {6, 0}, {6, 6}, {0, 6}}, {{2, 2}, {2, 4}, {4, 4}, {4, 2}}});
    EXPECT_TRUE(ring(1, 1));
    EXPECT_FALSE(ring(3, 3));
    const Region doubled = contours({{{0, 0}, {6, 0}, {6, 6}, {0, 6}}, {{2, 2}, {4, 2}, {4, 4}, {2, 4}}});
    EXPECT_TRUE(doubled(3, 3)) << "same direction adds up under the non-zero rule";
}

TEST(Raster, CurvesAreFlattenedIndependentlyOfSize)
{
    Path small;
    small.moveTo({0, 0}).quadTo({1, 2}, {2, 0});
    Path large;
    large.moveTo({0, 0}).quadTo({10, 20}, {20, 0});
    ASSERT_EQ(small.outlines().front().size(), large.outlines().front().size());
    EXPECT_DOUBLE_EQ(large.outlines().front()[5].x, 10 * small.outlines().front()[5].x);
}

TEST(Raster, OutlinesGrowTheShape)
{
    IconCanvas canvas(10, 10, 1, kWhite);
    canvas.outlined(canvas.box(3, 3, 7, 7), kBlack, rgb(0xFF0000));
    EXPECT_EQ(canvas.image().at(5, 5), kBlack);
    EXPECT_EQ(canvas.image().at(2, 5), rgb(0xFF0000));
    EXPECT_EQ(canvas.image().at(5, 7), rgb(0xFF0000));
    EXPECT_EQ(canvas.image().at(0, 0), kWhite);
}

}  // namespace
}  // namespace velmora::artwork
