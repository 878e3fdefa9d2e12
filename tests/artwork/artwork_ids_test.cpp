// Every bitmap each configuration must ship, at its exact size, and nothing
// of the other configuration.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "bitmap_format.h"
#include "expected_bitmaps.h"
#include "shipped_artwork.h"

namespace velmora::artwork_test {
namespace {

class ShippedIds : public ::testing::TestWithParam<BuildConfiguration> {};

TEST_P(ShippedIds, EveryBitmapIsThereAtItsExactSizeInTheBitmapLayout)
{
    std::map<int, std::span<const std::uint8_t>> bytesById;
    for (const artwork::Entry& entry : shippedEntries(GetParam()))
        if (entry.type == "BITMAP")
            bytesById[entry.id] = entry.bytes;
    for (const ExpectedBitmap& expected : expectedBitmaps(GetParam())) {
        SCOPED_TRACE("bitmap " + std::to_string(expected.id));
        const auto found = bytesById.find(expected.id);
        ASSERT_NE(found, bytesById.end());
        const auto bytes = found->second;
        ASSERT_EQ(bytes.size(), 4u + 3u * static_cast<std::size_t>(expected.width * expected.height));
        EXPECT_EQ(bytes[0] | bytes[1] << 8, expected.width);
        EXPECT_EQ(bytes[2] | bytes[3] << 8, expected.height);
    }
}

TEST_P(ShippedIds, NothingBeyondTheTablesAndTheProgramIcon)
{
    std::set<int> expectedIds;
    for (const ExpectedBitmap& expected : expectedBitmaps(GetParam()))
        expectedIds.insert(expected.id);
    int icons = 0;
    for (const artwork::Entry& entry : shippedEntries(GetParam())) {
        if (entry.type == "ICON") {
            ++icons;
            EXPECT_EQ(entry.id, 101);
            const auto icon = artwork::decodeBitmap(entry.bytes);
            ASSERT_TRUE(icon.has_value());
            EXPECT_EQ(icon->width(), programIconSize(GetParam()));
            EXPECT_EQ(icon->height(), programIconSize(GetParam()));
            continue;
        }
        EXPECT_EQ(entry.type, "BITMAP");
        EXPECT_TRUE(expectedIds.contains(entry.id)) << "unexpected bitmap " << entry.id;
    }
    EXPECT_EQ(icons, 1);
}

TEST_P(ShippedIds, EntriesAreInOrderWithoutRepeats)
{
    const auto entries = shippedEntries(GetParam());
    for (std::size_t i = 1; i < entries.size(); ++i)
        EXPECT_TRUE(std::tie(entries[i - 1].type, entries[i - 1].id) < std::tie(entries[i].type, entries[i].id))
            << entries[i].type << ' ' << entries[i].id;
}

INSTANTIATE_TEST_SUITE_P(BothConfigurations, ShippedIds,
                         ::testing::Values(BuildConfiguration::standard, BuildConfiguration::vga),
                         [](const auto& info) {
                             return info.param == BuildConfiguration::vga ? std::string("Vga")
                                                                          : std::string("Standard");
                         });

TEST(ShippedIds, TheConfigurationsShareNoBitmapId)
{
    std::set<int> standard;
    for (const artwork::Entry& entry : artwork::standardEntries())
        if (entry.type == "BITMAP")
            standard.insert(entry.id);
    for (const artwork::Entry& entry : artwork::vgaEntries()) {
        if (entry.type == "BITMAP") {
            EXPECT_FALSE(standard.contains(entry.id)) << "both configurations ship bitmap " << entry.id;
        }
    }
}

}  // namespace
}  // namespace velmora::artwork_test
