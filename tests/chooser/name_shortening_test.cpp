#include <gtest/gtest.h>

#include "name_shortening.h"

namespace velmora {
namespace {

TEST(NameShortening, CutsWholeCharactersBeforeTheEllipsis)
{
    // A row that holds width characters, the ellipsis counting as one.
    const auto rowOf = [](std::size_t width) {
        return [width](std::string_view text) {
            return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
                       return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
                   })) <= width;
        };
    };
    EXPECT_EQ(shortenToFit("Baker's Dozen", rowOf(13)), "Baker's Dozen");
    EXPECT_EQ(shortenToFit("Baker's Dozen", rowOf(12)), "Baker's Doz\xE2\x80\xA6");
    EXPECT_EQ(shortenToFit("Baker's Dozen", rowOf(1)), "\xE2\x80\xA6");
    EXPECT_EQ(shortenToFit("\xC3\x89t\xC3\xA9", rowOf(2)), "\xC3\x89\xE2\x80\xA6");  // "Été": "É…"
}

}  // namespace
}  // namespace velmora
