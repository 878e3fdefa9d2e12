// The chooser's owner-drawn items read back pixel by pixel; each plain icon
// is found by its own colour.
#include <algorithm>

#include "chooser_dialog_fixture.h"
#include "chooser_painter.h"
#include "name_shortening.h"

namespace velmora::testing {
namespace {

constexpr ScreenMetrics kStandard{96, 96, BuildConfiguration::standard};
constexpr ScreenMetrics kVga{192, 192, BuildConfiguration::vga};
constexpr Colour kWhite = 0xFFFFFF;

struct IconAt {
    int id, left, width, y;
};

class ChooserPainterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        addPlainChooserIcons(resources_, BuildConfiguration::standard);
        addPlainChooserIcons(resources_, BuildConfiguration::vga);
    }
    template <class Draw>
    static Surface drawn(int width, int height, Draw draw)
    {
        Surface surface(width, height);
        surface.Fill(kWhite);
        draw(surface, surface.Bounds());
        return surface;
    }
    // Each icon's colour covers exactly [left, left + width) on its row.
    static void expectIcons(const Surface& surface, const std::vector<IconAt>& icons)
    {
        for (const IconAt& icon : icons) {
            const Colour colour = plainIconColour(icon.id);
            EXPECT_NE(surface.Pixel(icon.left - 1, icon.y), colour) << icon.id;
            EXPECT_EQ(surface.Pixel(icon.left, icon.y), colour) << icon.id;
            EXPECT_EQ(surface.Pixel(icon.left + icon.width - 1, icon.y), colour) << icon.id;
            EXPECT_NE(surface.Pixel(icon.left + icon.width, icon.y), colour) << icon.id;
        }
    }
    ResourceTable resources_;
};

CatalogueEntry game(std::string name, int category, int skill, int timeClass)
{
    return CatalogueEntry{0, 5, std::move(name), category, {}, skill, timeClass};
}

TEST_F(ChooserPainterTest, GameRowsPutTheirIconsAtTheOffsetsOfEachScreen)
{
    const ChooserIconSet icons(resources_, BuildConfiguration::standard);
    const ChooserPainter standard(icons, kStandard, std::nullopt);
    const auto row = [](const ChooserPainter& painter, int width, int height, const CatalogueEntry& entry, bool star) {
        return drawn(width, height, [&](Surface& s, const Rect& r) { painter.gameRow(s, r, entry, star, false); });
    };
    // Star at R - 90, category 19 further, skill centred in a 30-unit slot, time.
    expectIcons(row(standard, 230, 15, game("Klondike", 7, 2, 3), true),
                {{292, 140, 16, 0}, {256, 159, 16, 0}, {261, 183, 20, 0}, {265, 212, 11, 0}});
    const Surface other = row(standard, 230, 15, game("Golf", kOtherCategory, 3, 1), false);
    EXPECT_EQ(other.Pixel(140, 7), kWhite);
    EXPECT_EQ(other.Pixel(159, 7), kWhite);

    const ChooserPainter medium(icons, ScreenMetrics{144, 144, BuildConfiguration::standard}, Font(FontRequest{"", 15}));
    expectIcons(row(medium, 350, 15, game("Klondike", 7, 1, 4), true),
                {{292, 232, 16, 0}, {256, 259, 16, 0}, {260, 296, 10, 0}, {266, 328, 11, 0}});
    const ChooserIconSet vgaIcons(resources_, BuildConfiguration::vga);
    const ChooserPainter vga(vgaIcons, kVga, std::nullopt);
    expectIcons(row(vga, 460, 30, game("Klondike", 7, 1, 4), true),
                {{293, 280, 32, 0}, {276, 318, 32, 0}, {280, 376, 20, 0}, {286, 424, 22, 0}});
}

TEST_F(ChooserPainterTest, ANameTooWideForItsRowEndsWithAnEllipsis)
{
    const ChooserIconSet icons(resources_, BuildConfiguration::standard);
    const ChooserPainter painter(icons, kStandard, std::nullopt);
    // The name's part of a row (left of R - 92), drawn by the painter or as plain text.
    const auto namePart = [&](int width, const std::string& name, std::optional<std::string> text) {
        const Surface s = drawn(width, 15, [&](Surface& surface, const Rect& r) {
            if (text)
                surface.DrawText(Rect{2, 0, width - 92, 15}, *text, text_format::verticalCentre | text_format::singleLine);
            else
                painter.gameRow(surface, r, game(name, kOtherCategory, 1, 1), false, false);
        });
        std::vector<Colour> pixels;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < width - 92; ++x)
                pixels.push_back(s.Pixel(x, y));
        return pixels;
    };
    const std::string name = "Beleaguered Castle of the Forty Thieves";
    const Surface measure(1, 1);
    const std::string expected =
        shortenToFit(name, [&](std::string_view text) { return measure.MeasureText(text).width <= 230 - 94; });
    ASSERT_TRUE(expected.ends_with(kEllipsis) && expected.size() > kEllipsis.size());
    const std::vector<Colour> shortened = namePart(230, name, expected);
    ASSERT_NE(std::count(shortened.begin(), shortened.end(), kWhite), static_cast<long>(shortened.size()));
    EXPECT_EQ(namePart(230, name, std::nullopt), shortened);
    EXPECT_EQ(namePart(230, "Golf", std::nullopt), namePart(230, "", "Golf"));
    // Not even one letter fits with the ellipsis: the ellipsis alone.
    EXPECT_EQ(namePart(100, name, std::nullopt), namePart(100, "", std::string(kEllipsis)));
}

TEST_F(ChooserPainterTest, ButtonFacesPlaceTheirIconsAndFrameTheFocusedButtonGreen)
{
    const ChooserIconSet icons(resources_, BuildConfiguration::standard);
    const ChooserPainter painter(icons, kStandard, std::nullopt);
    const Surface add = drawn(90, 20, [&](Surface& s, const Rect& r) {
        painter.favouriteButton(s, r, FavouriteAction::add);
        painter.buttonFrame(s, r, true);
    });
    // The arrow sits 6 right of and 2 below the other buttons' icons.
    expectIcons(add, {{296, 7, 12, 4}, {292, 68, 16, 2}});
    EXPECT_EQ(add.Pixel(0, 0), kFocusFrameColour);
    const Surface remove = drawn(90, 20, [&](Surface& s, const Rect& r) {
        painter.favouriteButton(s, r, FavouriteAction::remove);
        painter.buttonFrame(s, r, false);
    });
    expectIcons(remove, {{294, 7, 12, 4}});
    EXPECT_EQ(remove.Pixel(89, 19), 0x000000u);
    expectIcons(drawn(53, 20, [&](Surface& s, const Rect& r) { painter.skillButton(s, r, 1); }),
                {{268, 1, 15, 2}, {260, 28, 10, 2}});

    const ChooserIconSet vgaIcons(resources_, BuildConfiguration::vga);
    const ChooserPainter vga(vgaIcons, kVga, std::nullopt);
    expectIcons(drawn(180, 40, [&](Surface& s, const Rect& r) { vga.favouriteButton(s, r, FavouriteAction::add); }),
                {{297, 14, 24, 9}, {293, 136, 32, 5}});
}

}  // namespace
}  // namespace velmora::testing
