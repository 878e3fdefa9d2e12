// The rules page's HTML built from a game's description.
#include <gtest/gtest.h>

#include "rules_html.h"

namespace velmora {
namespace {

TEST(RulesHtml, LineFeedsBecomeLineBreaksAndNothingElseChanges)
{
    EXPECT_EQ(rulesHtml("A\nB"), u"A<br>B");
    EXPECT_EQ(rulesHtml("A\n\nB"), u"A<br><br>B");
    EXPECT_EQ(rulesHtml("ends\n"), u"ends<br>");
    EXPECT_EQ(rulesHtml("\nstarts"), u"<br>starts");
    EXPECT_EQ(rulesHtml("no line feed"), u"no line feed");
    EXPECT_EQ(rulesHtml(""), u"");
    // Carriage returns are not line feeds.
    EXPECT_EQ(rulesHtml("A\r\nB"), u"A\r<br>B");
}

TEST(RulesHtml, MarkupOfTheDescriptionPassesThrough)
{
    EXPECT_EQ(rulesHtml("<b>Object</b>\nMove all cards & win <i>x</i>"),
              u"<b>Object</b><br>Move all cards & win <i>x</i>");
}

TEST(RulesHtml, BytesAboveSevenBitsLoseTheirHighBit)
{
    EXPECT_EQ(rulesHtml("\xC1\xE2"), u"Ab");
    // 0x8A reduces to a line feed only after the line feeds were replaced.
    EXPECT_EQ(rulesHtml("A\x8A" "B"), u"A\nB");
    for (int byte = 0x81; byte <= 0xFF; ++byte) {
        const std::u16string html = rulesHtml(std::string(1, static_cast<char>(byte)));
        ASSERT_EQ(html.size(), 1u) << byte;
        EXPECT_EQ(html[0], static_cast<char16_t>(byte & 0x7F));
    }
}

TEST(RulesHtml, BytesThatWouldBecomeZeroAreLeftOutSoTheTextIsNotCut)
{
    EXPECT_EQ(rulesHtml(std::string("A\x80" "B", 3)), u"AB");
    EXPECT_EQ(rulesHtml(std::string("A\0B", 3)), u"AB");
}

}  // namespace
}  // namespace velmora
