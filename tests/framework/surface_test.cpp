#include <gtest/gtest.h>

#include "gui_fixture.h"
#include "surface.h"

namespace velmora::testing {
namespace {

using SurfaceTest = GuiTest;

// A 4 x 2 source: white, red, white, blue / green, white, black, white.
Surface pattern()
{
    Surface source(4, 2);
    const Colour pixels[2][4] = {{0xFFFFFF, 0xFF0000, 0xFFFFFF, 0x0000FF}, {0x00FF00, 0xFFFFFF, 0x000000, 0xFFFFFF}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x)
            source.SetPixel(x, y, pixels[y][x]);
    }
    return source;
}

TEST_F(SurfaceTest, AnOpaqueCopyCarriesEveryPixelAndATransparentOneSkipsTheKeyColour)
{
    const Surface source = pattern();
    Surface opaque(6, 4);
    opaque.Fill(0x123456);
    opaque.Copy(1, 1, source);
    EXPECT_EQ(opaque.Pixel(1, 1), 0xFFFFFFu);
    EXPECT_EQ(opaque.Pixel(2, 1), 0xFF0000u);
    EXPECT_EQ(opaque.Pixel(3, 2), 0x000000u);
    EXPECT_EQ(opaque.Pixel(0, 0), 0x123456u);
    EXPECT_EQ(opaque.Pixel(5, 3), 0x123456u);

    Surface transparent(6, 4);
    transparent.Fill(0x123456);
    transparent.CopyTransparent(1, 1, source, 0xFFFFFF);
    EXPECT_EQ(transparent.Pixel(1, 1), 0x123456u) << "white is the transparent colour";
    EXPECT_EQ(transparent.Pixel(2, 1), 0xFF0000u);
    EXPECT_EQ(transparent.Pixel(4, 1), 0x0000FFu);
    EXPECT_EQ(transparent.Pixel(1, 2), 0x00FF00u);
    EXPECT_EQ(transparent.Pixel(2, 2), 0x123456u);
    EXPECT_EQ(transparent.Pixel(3, 2), 0x000000u) << "black is drawn";
}

TEST_F(SurfaceTest, CopiesArePartialAndClippedAtEveryEdge)
{
    const Surface source = pattern();
    Surface target(3, 3);
    target.Fill(0x111111);
    target.Copy(-1, 2, 3, 2, source, 1, 0);  // left and bottom cut
    EXPECT_EQ(target.Pixel(0, 2), 0xFFFFFFu);  // source (2, 0)
    EXPECT_EQ(target.Pixel(1, 2), 0x0000FFu);  // source (3, 0)
    EXPECT_EQ(target.Pixel(2, 2), 0x111111u);
    target.Copy(0, 0, 10, 10, source, 3, 1);  // only one source pixel left
    EXPECT_EQ(target.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(target.Pixel(1, 0), 0x111111u);
    target.Copy(0, 0, 2, 2, source, -5, -5);  // nothing of the source there
    target.Copy(5, 5, source);
    Surface empty;
    target.Copy(0, 0, empty);
    empty.Copy(0, 0, source);
    EXPECT_EQ(target.Pixel(1, 1), 0x111111u);
}

TEST_F(SurfaceTest, CopyingWithinOneSurfaceHandlesOverlap)
{
    Surface surface(5, 1);
    for (int x = 0; x < 5; ++x)
        surface.SetPixel(x, 0, static_cast<Colour>(x + 1));
    surface.Copy(1, 0, 4, 1, surface, 0, 0);
    EXPECT_EQ(surface.Pixel(0, 0), 1u);
    EXPECT_EQ(surface.Pixel(1, 0), 1u);
    EXPECT_EQ(surface.Pixel(4, 0), 4u);
}

TEST_F(SurfaceTest, LinesLeaveOutTheirEndPointAndFramesSitInsideTheRectangle)
{
    Surface surface(6, 6);
    surface.Fill(0xFFFFFF);
    surface.SetPenColour(0x999999);
    surface.MoveTo(0, 5);
    surface.LineTo(0, 0);
    surface.LineTo(5, 0);
    EXPECT_EQ(surface.Pixel(0, 5), 0x999999u);
    EXPECT_EQ(surface.Pixel(0, 0), 0x999999u);
    EXPECT_EQ(surface.Pixel(4, 0), 0x999999u);
    EXPECT_EQ(surface.Pixel(5, 0), 0xFFFFFFu) << "the end point stays undrawn";

    surface.FrameRect(Rect{1, 1, 5, 5}, 0x000000);
    EXPECT_EQ(surface.Pixel(1, 1), 0x000000u);
    EXPECT_EQ(surface.Pixel(4, 4), 0x000000u);
    EXPECT_EQ(surface.Pixel(2, 2), 0xFFFFFFu);
    EXPECT_EQ(surface.Pixel(5, 5), 0xFFFFFFu);
}

TEST_F(SurfaceTest, TheMarkIsVisibleOnWhiteAndOnColourAndUndoesItself)
{
    Surface surface(4, 1);
    surface.Fill(0xFFFFFF);
    surface.SetPixel(1, 0, 0x102030);
    surface.MarkRect(Rect{0, 0, 2, 1});
    EXPECT_EQ(surface.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(surface.Pixel(1, 0), 0xEFDFCFu);
    EXPECT_EQ(surface.Pixel(2, 0), 0xFFFFFFu);
    surface.MarkRect(Rect{-3, -3, 2, 9});
    EXPECT_EQ(surface.Pixel(1, 0), 0x102030u);
}

TEST_F(SurfaceTest, BitmapsLoadExactlyAndADamagedOneCountsAsMissing)
{
    BitmapData bitmap{2, 1, {0xFF0000, 0x00FF00}};
    resources.add(kBitmapType, 500, encodeBitmap(bitmap));
    Bytes damaged = encodeBitmap(bitmap);
    damaged.pop_back();
    resources.add(kBitmapType, 501, damaged);

    Surface surface;
    ASSERT_TRUE(surface.LoadBitmap(500));
    EXPECT_EQ(surface.Width(), 2);
    EXPECT_EQ(surface.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(surface.Pixel(1, 0), 0x00FF00u);
    EXPECT_FALSE(surface.LoadBitmap(501));
    EXPECT_FALSE(surface.IsValid());
    EXPECT_FALSE(surface.LoadBitmap(502));
}

TEST_F(SurfaceTest, RightAlignedTextInksOnlyTheRightOfItsRectangle)
{
    Surface surface(120, 24);
    surface.Fill(0x00FF00);
    surface.SelectFont(Font(FontRequest{"Tahoma", 16, 700}));
    surface.SetTextColour(0x000000);
    surface.SetBackgroundTransparent();
    surface.DrawText(Rect{0, 0, 110, 24}, "3:07", text_format::right | text_format::singleLine);
    int leftmostInk = 1000;
    int rightmostInk = -1;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 120; ++x) {
            if (surface.Pixel(x, y) != 0x00FF00u) {
                leftmostInk = std::min(leftmostInk, x);
                rightmostInk = std::max(rightmostInk, x);
            }
        }
    }
    ASSERT_GE(rightmostInk, 0) << "the text left no ink";
    EXPECT_LT(rightmostInk, 110);
    EXPECT_GT(rightmostInk, 100);
    EXPECT_GT(leftmostInk, 60);
    EXPECT_GT(surface.MeasureText("3:07").width, 10);
}

TEST_F(SurfaceTest, TheDefaultFontGrowsWithTheScreensDensity)
{
    Surface surface(400, 60);
    const int standardWidth = surface.MeasureText("Klondike").width;
    const int standardLine = Font().lineHeight();
    const int explicitLine = Font(FontRequest{"Tahoma", 16}).lineHeight();
    setScreenMetrics(ScreenMetrics{192, 192, BuildConfiguration::vga});
    const int vgaWidth = surface.MeasureText("Klondike").width;
    const int vgaLine = Font().lineHeight();
    const int vgaExplicitLine = Font(FontRequest{"Tahoma", 16}).lineHeight();
    setScreenMetrics(ScreenMetrics{96, 96, BuildConfiguration::standard});
    EXPECT_NEAR(vgaWidth, 2 * standardWidth, 4) << "owner-drawn text keeps its size next to the controls' text";
    EXPECT_NEAR(vgaLine, 2 * standardLine, 3);
    EXPECT_EQ(vgaExplicitLine, explicitLine) << "an explicit height is kept as it is";
}

// Shows its back buffer as the game field does.
class BufferWindow : public CeWnd {
public:
    Surface buffer;

protected:
    void OnPaint(PaintContext& paint) override { paint.Copy(0, 0, buffer); }
};

TEST_F(SurfaceTest, AWindowShowsItsSurfaceOneToOne)
{
    BufferWindow window;
    ASSERT_TRUE(window.Create(testWindowClass(), "", nullptr, Rect::fromSize(0, 0, 20, 10)));
    window.buffer.Create(20, 10);
    window.buffer.Fill(0x0000FF);
    window.buffer.SetPixel(19, 9, 0xFF0000);
    Surface shown = grabClient(window);
    EXPECT_EQ(shown.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(shown.Pixel(18, 9), 0x0000FFu);
    EXPECT_EQ(shown.Pixel(19, 9), 0xFF0000u);
}

}  // namespace
}  // namespace velmora::testing
