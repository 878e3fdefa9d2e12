// The "BITMAP" layout written for the resources, and the PNG files of the
// contact sheets.
#include <gtest/gtest.h>

#include <zlib.h>

#include "bitmap_format.h"
#include "png_writer.h"

namespace velmora::artwork {
namespace {

Image sample()
{
    Image image(3, 2, kWhite);
    image.set(0, 0, rgb(0x102030));
    image.set(2, 1, rgb(0xA0B0C0));
    return image;
}

TEST(BitmapFormat, LittleEndianSizeThenRowsOfRgb)
{
    const std::vector<std::uint8_t> bytes = encodeBitmap(sample());
    ASSERT_EQ(bytes.size(), 4u + 3 * 2 * 3);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 2);
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(bytes[4], 0x10);
    EXPECT_EQ(bytes[5], 0x20);
    EXPECT_EQ(bytes[6], 0x30);
    EXPECT_EQ(bytes[4 + 3 * 5 + 2], 0xC0);
    EXPECT_EQ(decodeBitmap(bytes), sample());
}

TEST(BitmapFormat, WidthsBeyondAByteKeepTheirHighByte)
{
    const Image wide(300, 1, kBlack);
    const auto bytes = encodeBitmap(wide);
    EXPECT_EQ(bytes[0], 300 & 0xFF);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(decodeBitmap(bytes), wide);
}

TEST(BitmapFormat, BytesOfAnyOtherLengthAreDamaged)
{
    std::vector<std::uint8_t> bytes = encodeBitmap(sample());
    EXPECT_FALSE(decodeBitmap(std::span(bytes).first(3)).has_value());
    EXPECT_FALSE(decodeBitmap(std::span(bytes).first(bytes.size() - 1)).has_value());
    bytes.push_back(0);
    EXPECT_FALSE(decodeBitmap(bytes).has_value());
    EXPECT_FALSE(decodeBitmap(std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3}).has_value());
}

TEST(PngWriter, HeaderAndPixelsReadBack)
{
    const std::vector<std::uint8_t> png = encodePng(sample());
    ASSERT_GT(png.size(), 8u + 25 + 12 + 12);
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(png[19], 3);  // width, big-endian
    EXPECT_EQ(png[23], 2);  // height
    EXPECT_EQ(png[24], 8);  // bits per channel
    EXPECT_EQ(png[25], 2);  // RGB
    const std::size_t idat = 8 + 25;
    ASSERT_EQ(std::string(png.begin() + idat + 4, png.begin() + idat + 8), "IDAT");
    const uLong packed = static_cast<uLong>(png[idat] << 24 | png[idat + 1] << 16 | png[idat + 2] << 8 | png[idat + 3]);
    std::vector<std::uint8_t> raw(2 * (1 + 3 * 3));
    uLongf rawSize = static_cast<uLongf>(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &rawSize, png.data() + idat + 8, packed), Z_OK);
    ASSERT_EQ(rawSize, raw.size());
    EXPECT_EQ(raw[0], 0);  // no filter
    EXPECT_EQ(raw[1], 0x10);
    EXPECT_EQ(raw[10 + 1 + 6 + 2], 0xC0);
    EXPECT_EQ(std::string(png.end() - 8, png.end() - 4), "IEND");
}

}  // namespace
}  // namespace velmora::artwork
