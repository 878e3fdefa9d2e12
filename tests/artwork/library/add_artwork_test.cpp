// addArtwork of the library this binary links (standard, or VGA when built
// with VELMORA_VGA) registers its configuration's bitmaps and no others.
#include <gtest/gtest.h>

#include "artwork.h"
#include "expected_bitmaps.h"

namespace velmora::artwork_test {
namespace {

constexpr BuildConfiguration kOther =
    kBuildConfiguration == BuildConfiguration::vga ? BuildConfiguration::standard : BuildConfiguration::vga;

TEST(AddArtwork, RegistersEveryBitmapOfItsConfigurationAtItsSize)
{
    ResourceTable resources;
    addArtwork(resources);
    for (const ExpectedBitmap& expected : expectedBitmaps(kBuildConfiguration)) {
        const auto bytes = resources.find("BITMAP", expected.id);
        ASSERT_TRUE(bytes.has_value()) << expected.id;
        EXPECT_EQ(bytes->size(), 4u + 3u * static_cast<std::size_t>(expected.width * expected.height)) << expected.id;
    }
    const auto icon = resources.find("ICON", 101);
    ASSERT_TRUE(icon.has_value());
    const int side = programIconSize(kBuildConfiguration);
    EXPECT_EQ(icon->size(), 4u + 3u * static_cast<std::size_t>(side * side));
}

TEST(AddArtwork, RegistersNothingOfTheOtherConfiguration)
{
    ResourceTable resources;
    addArtwork(resources);
    for (const ExpectedBitmap& other : expectedBitmaps(kOther))
        EXPECT_FALSE(resources.find("BITMAP", other.id).has_value()) << other.id;
}

}  // namespace
}  // namespace velmora::artwork_test
