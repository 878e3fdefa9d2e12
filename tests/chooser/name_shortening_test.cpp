#include <gtest/gtest.h>

#include "name_shortening.h"

namespace velmora {
namespace {

// A row that holds width characters, the ellipsis counting as one.
auto rowOf(std::size_t width)
{
    return [width](std::string_view text) {
        std::size_t characters = 0;
        for (const char byte : text)
            characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
        return characters <= width;
    };
}

TEST(NameShortening, CutsWholeCharactersBeforeTheEllipsis)
{
    EXPECT_EQ(shortenToFit("Baker's Dozen", rowOf(13)), "Baker's Dozen");
    EXPECT_EQ(shortenToFit("Baker's Dozen", rowOf(12)), "Baker's Doz\xE2\x80\xA6");
    EXPECT_EQ(shortenToFit("Baker's Dozen", rowOf(2)), "B\xE2\x80\xA6");
    EXPECT_EQ(shortenToFit("Baker's Dozen", rowOf(1)), "\xE2\x80\xA6");
    EXPECT_EQ(shortenToFit("Baker's Dozen", rowOf(0)), "\xE2\x80\xA6");
    // "Été" in a row of two keeps the two-byte first character whole.
    EXPECT_EQ(shortenToFit("\xC3\x89t\xC3\xA9", rowOf(2)), "\xC3\x89\xE2\x80\xA6");
}

}  // namespace
}  // namespace velmora
