// The chooser's owner-drawn items, read back pixel by pixel. The icons are
// plain one-colour bitmaps, so each one's place can be found by its colour.
#include <algorithm>

#include "chooser_dialog_fixture.h"
#include "chooser_painter.h"
#include "name_shortening.h"

namespace velmora::testing {
namespace {

constexpr ScreenMetrics kStandard{96, 96, BuildConfiguration::standard};
constexpr ScreenMetrics kMedium{144, 144, BuildConfiguration::standard};
constexpr ScreenMetrics kVga{192, 192, BuildConfiguration::vga};
constexpr Colour kWhite = 0xFFFFFF;

CatalogueEntry game(std::string name, int category, int skill, int timeClass)
{
    return CatalogueEntry{0, 5, std::move(name), category, {}, skill, timeClass};
}

class ChooserPainterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        addPlainChooserIcons(standard_, BuildConfiguration::standard);
        addPlainChooserIcons(vga_, BuildConfiguration::vga);
    }

    // Draws into a fresh white surface of the item's size.
    template <class Draw>
    Surface drawn(int width, int height, Draw draw)
    {
        Surface surface(width, height);
        surface.Fill(kWhite);
        draw(surface, surface.Bounds());
        return surface;
    }

    // The icon's colour fills exactly [left, left + width) at row y.
    static void expectIconAt(const Surface& surface, int iconId, int left, int width, int y = 0)
    {
        const Colour colour = plainIconColour(iconId);
        EXPECT_NE(surface.Pixel(left - 1, y), colour) << "icon " << iconId << " starts after " << left;
        EXPECT_EQ(surface.Pixel(left, y), colour) << "icon " << iconId << " at " << left;
        EXPECT_EQ(surface.Pixel(left + width - 1, y), colour) << "icon " << iconId;
        EXPECT_NE(surface.Pixel(left + width, y), colour) << "icon " << iconId << " ends at " << left + width;
    }

    ResourceTable standard_;
    ResourceTable vga_;
};

TEST_F(ChooserPainterTest, AGameRowPutsItsIconsAtTheirOffsets)
{
    const ChooserIconSet icons(standard_, BuildConfiguration::standard);
    const ChooserPainter painter(icons, kStandard, std::nullopt);
    const Surface row = drawn(230, 15, [&](Surface& s, const Rect& r) {
        painter.gameRow(s, r, game("Klondike", 7, 2, 3), true, false);
    });
    expectIconAt(row, 292, 140, 16);  // favourite star at R - 90
    expectIconAt(row, 256, 159, 16);  // category 7, 19 further
    expectIconAt(row, 261, 183, 20);  // two stars centred in a 30-unit slot
    expectIconAt(row, 265, 212, 11);  // time class 3

    // "Other" has no icon, and a game that is no favourite has no star.
    const Surface other = drawn(230, 15, [&](Surface& s, const Rect& r) {
        painter.gameRow(s, r, game("Golf", kOtherCategory, 3, 1), false, false);
    });
    EXPECT_EQ(other.Pixel(140, 7), kWhite);
    EXPECT_EQ(other.Pixel(159, 7), kWhite);
    expectIconAt(other, 262, 178, 30);
}

TEST_F(ChooserPainterTest, MediumAndVgaScreensUseTheirOwnRowOffsets)
{
    const ChooserIconSet standardIcons(standard_, BuildConfiguration::standard);
    const ChooserPainter medium(standardIcons, kMedium, Font(FontSpec{"Tahoma", 15}));
    const Surface mediumRow = drawn(350, 15, [&](Surface& s, const Rect& r) {
        medium.gameRow(s, r, game("Klondike", 7, 1, 4), true, false);
    });
    expectIconAt(mediumRow, 292, 232, 16);
    expectIconAt(mediumRow, 256, 259, 16);
    expectIconAt(mediumRow, 260, 296, 10);
    expectIconAt(mediumRow, 266, 328, 11);

    const ChooserIconSet vgaIcons(vga_, BuildConfiguration::vga);
    const ChooserPainter vga(vgaIcons, kVga, std::nullopt);
    const Surface vgaRow = drawn(460, 30, [&](Surface& s, const Rect& r) {
        vga.gameRow(s, r, game("Klondike", 7, 1, 4), true, false);
    });
    expectIconAt(vgaRow, 293, 280, 32);
    expectIconAt(vgaRow, 276, 318, 32);
    expectIconAt(vgaRow, 280, 376, 20);
    expectIconAt(vgaRow, 286, 424, 22);
}

TEST_F(ChooserPainterTest, ANameTooWideForItsRowEndsWithAnEllipsis)
{
    const ChooserIconSet icons(standard_, BuildConfiguration::standard);
    const ChooserPainter painter(icons, kStandard, std::nullopt);
    const auto nameArea = [](const Surface& surface, int right) {
        std::vector<Colour> pixels;
        for (int y = 0; y < surface.Height(); ++y)
            for (int x = 0; x < right; ++x)
                pixels.push_back(surface.Pixel(x, y));
        return pixels;
    };
    const auto asText = [&](int width, std::string_view text) {
        return drawn(width, 15, [&](Surface& s, const Rect& r) {
            s.DrawText(Rect{r.left + 2, r.top, r.right - 92, r.bottom}, text,
                       text_format::verticalCentre | text_format::singleLine);
        });
    };
    const auto asRow = [&](int width, const std::string& name) {
        return drawn(width, 15, [&](Surface& s, const Rect& r) { painter.gameRow(s, r, game(name, 11, 1, 1), false, false); });
    };

    const std::string name = "Beleaguered Castle of the Forty Thieves";
    const int room = 230 - 92 - 2;
    ASSERT_GT(asText(230, name).MeasureText(name).width, room);
    std::string expected;
    for (std::size_t kept = name.size() - 1; kept > 0 && expected.empty(); --kept) {
        const std::string candidate = name.substr(0, kept) + std::string(kEllipsis);
        if (asText(230, "").MeasureText(candidate).width <= room)
            expected = candidate;
    }
    ASSERT_FALSE(expected.empty());
    const std::vector<Colour> inked = nameArea(asText(230, expected), 138);
    ASSERT_NE(std::count(inked.begin(), inked.end(), kWhite), static_cast<long>(inked.size())) << "no text drawn";
    EXPECT_EQ(nameArea(asRow(230, name), 138), nameArea(asText(230, expected), 138));
    EXPECT_EQ(nameArea(asRow(230, "Golf"), 138), nameArea(asText(230, "Golf"), 138));
    // So narrow that not even one letter fits with it: the ellipsis alone.
    EXPECT_EQ(nameArea(asRow(100, name), 8), nameArea(asText(100, kEllipsis), 8));
}

TEST_F(ChooserPainterTest, SelectedRowsAreHighlightedButNeverTheMarkerRow)
{
    const ChooserIconSet icons(standard_, BuildConfiguration::standard);
    const ChooserPainter painter(icons, kStandard, std::nullopt);
    const Surface selected = drawn(230, 15, [&](Surface& s, const Rect& r) {
        painter.gameRow(s, r, game("Golf", 11, 1, 1), false, true);
    });
    EXPECT_EQ(selected.Pixel(139, 0), kHighlightColour);
    const Surface marker = drawn(230, 15, [&](Surface& s, const Rect& r) { painter.markerRow(s, r, "<no solitaires>"); });
    EXPECT_EQ(marker.Pixel(1, 0), kWhite);
    EXPECT_EQ(marker.Pixel(228, 14), kWhite);
}

TEST_F(ChooserPainterTest, ButtonFacesPlaceTheirIconsAndFrameTheFocusedButtonGreen)
{
    const ChooserIconSet icons(standard_, BuildConfiguration::standard);
    const ChooserPainter painter(icons, kStandard, std::nullopt);
    const Surface add = drawn(90, 20, [&](Surface& s, const Rect& r) {
        painter.favouriteButton(s, r, FavouriteAction::add);
        painter.buttonFrame(s, r, true);
    });
    expectIconAt(add, 296, 7, 12, 4);  // the arrow: 6 right of and 2 below the other icons
    expectIconAt(add, 292, 68, 16, 2);
    EXPECT_EQ(add.Pixel(0, 0), kFocusFrameColour);
    const Surface remove = drawn(90, 20, [&](Surface& s, const Rect& r) {
        painter.favouriteButton(s, r, FavouriteAction::remove);
        painter.buttonFrame(s, r, false);
    });
    expectIconAt(remove, 294, 7, 12, 4);
    EXPECT_EQ(remove.Pixel(89, 19), 0x000000);

    const Surface skill = drawn(53, 20, [&](Surface& s, const Rect& r) { painter.skillButton(s, r, 1); });
    expectIconAt(skill, 268, 1, 15, 2);
    expectIconAt(skill, 260, 28, 10, 2);
    const Surface reset = drawn(13, 20, [&](Surface& s, const Rect& r) { painter.resetButton(s, r); });
    EXPECT_EQ(reset.Pixel(1, 4), plainIconColour(290));
    EXPECT_EQ(reset.Pixel(1, 3), kWhite);

    const ChooserIconSet vgaIcons(vga_, BuildConfiguration::vga);
    const ChooserPainter vga(vgaIcons, kVga, std::nullopt);
    const Surface vgaAdd = drawn(180, 40, [&](Surface& s, const Rect& r) { vga.favouriteButton(s, r, FavouriteAction::add); });
    expectIconAt(vgaAdd, 297, 14, 24, 9);
    expectIconAt(vgaAdd, 293, 136, 32, 5);
}

}  // namespace
}  // namespace velmora::testing
