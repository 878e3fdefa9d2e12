// What the field shows, read back from its back buffer and from the screen:
// faces and backs, empty-pile marks, the clock and a dragged card over it,
// and the redraw after a size change.
#include "field_window_fixture.h"
#include "game_fixture.h"
#include "engine_fixture.h"
#include "klondike_record.h"
#include "screen.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

constexpr Colour kBackground = 0x008000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kLightBorder = 0x999999;

Surface bitmap(const ResourceTable& resources, int id)
{
    Surface glyph;
    EXPECT_TRUE(glyph.LoadBitmap(resources, id)) << "bitmap " << id;
    return glyph;
}

// Every non-white pixel of the glyph lies at `at` in the buffer; its white
// pixels let the background through.
void expectTransparentGlyph(const Surface& buffer, Point at, const Surface& glyph, Colour background)
{
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x) {
            const Colour expected = glyph.Pixel(x, y) == kWhite ? background : glyph.Pixel(x, y);
            ASSERT_EQ(buffer.Pixel(at.x + x, at.y + y), expected) << "glyph pixel " << x << "," << y;
        }
}

int pixelsDiffering(const Surface& buffer, Point at, const Surface& image, const Rect& part)
{
    int differing = 0;
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            if (buffer.Pixel(at.x + x, at.y + y) != image.Pixel(x, y))
                ++differing;
    return differing;
}

using FieldDrawing = FieldWindowTest;

TEST_F(FieldDrawing, FacesAndBacksAreCopiedWholeAndTheScreenShowsTheBackBuffer)
{
    openKlondike(2, FieldSettings{});
    const ViewCard& top = field.View().piles[8].cards.back();
    ASSERT_TRUE(top.faceUp);
    EXPECT_TRUE(bufferShows(field.CardPosition(8, 6), art.Face(top.suit, top.rank)));
    // The squared stock shows its top card one pixel below the card beneath.
    EXPECT_EQ(field.CardPosition(0, 20).y, field.PileOrigin(0).y + 1);
    EXPECT_TRUE(bufferShows(field.CardPosition(0, 20), art.Back(0)));

    const Surface screen = grabClient(field);
    ASSERT_EQ(screen.Width(), field.BackBuffer().Width());
    ASSERT_EQ(screen.Height(), field.BackBuffer().Height());
    EXPECT_TRUE(bufferShows({0, 0}, screen));
}

TEST_F(FieldDrawing, ANewCardBackShowsAtTheNextFullRedrawWithoutNewImages)
{
    openKlondike(2, FieldSettings{});
    FieldSettings settings = field.Settings();
    settings.cardBack = 2;
    field.SetSettings(settings);
    EXPECT_TRUE(bufferShows(field.CardPosition(0, 20), art.Back(0)));
    field.ShowField();
    EXPECT_TRUE(bufferShows(field.CardPosition(0, 20), art.Back(2)));
    EXPECT_FALSE(bufferShows(field.CardPosition(0, 20), art.Back(0)));

    settings.cardBack = 7;  // out of range: the first design
    field.SetSettings(settings);
    field.ShowField();
    EXPECT_TRUE(bufferShows(field.CardPosition(0, 20), art.Back(0)));
}

TEST_F(FieldDrawing, EmptyFoundationsShowAnOutlineAndTheGreyAceOnTheBackground)
{
    openKlondike(2, FieldSettings{});
    const Surface& buffer = field.BackBuffer();
    const Point origin = field.PileOrigin(9);
    const int w = field.View().card.width, h = field.View().card.height;
    for (int x = 0; x < w; ++x) {
        EXPECT_EQ(buffer.Pixel(origin.x + x, origin.y), kLightBorder);
        EXPECT_EQ(buffer.Pixel(origin.x + x, origin.y + h - 1), kLightBorder);
    }
    for (int y = 0; y < h; ++y) {
        EXPECT_EQ(buffer.Pixel(origin.x, origin.y + y), kLightBorder);
        EXPECT_EQ(buffer.Pixel(origin.x + w - 1, origin.y + y), kLightBorder);
    }
    // Base rank Ace, no suit: the grey rank mark alone.
    expectTransparentGlyph(buffer, {origin.x + 1, origin.y + 1}, bitmap(resources, 300), kBackground);
    EXPECT_EQ(buffer.Pixel(origin.x + w / 2, origin.y + h - 4), kBackground);
}

TEST_F(FieldDrawing, RedealCountersZeroAndOneShowTheirArrowAndLargerOnesOnlyTheOutline)
{
    GameDefinition definition = klondikeDefinition();
    definition.piles[kStock].style = kStyleRedealMark;
    dealGame(engine, definition, 1);
    arrangeBoard(engine, {}, kFirstTableau);
    openField(240, 294, FieldSettings{});
    const int w = 26, h = 35;
    const std::vector<std::pair<int, int>> arrows = {{0, 154}, {1, 156}};
    for (const auto& [counter, glyphId] : arrows) {
        SCOPED_TRACE(counter);
        GameState state = engine.state();
        state.piles[kStock].displayValue = static_cast<std::uint32_t>(counter);
        engine.installState(state);
        showGame();
        const Point origin = field.PileOrigin(kStock);
        expectTransparentGlyph(field.BackBuffer(), {origin.x + (w - 7) / 2, origin.y + (h - 11) / 2},
                               bitmap(resources, glyphId), kBackground);
        EXPECT_EQ(field.BackBuffer().Pixel(origin.x, origin.y), kLightBorder);
    }
    GameState state = engine.state();
    state.piles[kStock].displayValue = 2;
    engine.installState(state);
    showGame();
    const Point origin = field.PileOrigin(kStock);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            ASSERT_EQ(field.BackBuffer().Pixel(origin.x + x, origin.y + y), kBackground);
}

TEST_F(FieldDrawing, FacesPlaceTheirGlyphsByConfiguration)
{
    for (const ScreenMetrics screen : {ScreenMetrics{96, 96, BuildConfiguration::standard},
                                       ScreenMetrics{192, 192, BuildConfiguration::vga}}) {
        SCOPED_TRACE(screen.dpiX);
        useConfiguration(screen);
        CardArt faces;
        const CardLayout card = cardLayout(screen, true);
        faces.Prepare(resources, screen, card, true);
        const bool vga = screen.configuration == BuildConfiguration::vga;
        // Queen of hearts: rank glyph 11, suit 3.
        const Surface& queen = faces.Face(3, 11);
        ASSERT_EQ(queen.Width(), vga ? 52 : 26);
        const int one = vga ? 2 : 1;
        const Surface rank = bitmap(resources, (vga ? 2201 : 2001) + 11);
        const Surface corner = bitmap(resources, (vga ? 2254 : 2054) + 3);
        const Surface centre = bitmap(resources, (vga ? 2250 : 2050) + 3);
        EXPECT_EQ(pixelsDiffering(queen, {one, one}, rank, rank.Bounds()), 0);
        EXPECT_EQ(pixelsDiffering(queen, {one + card.width / 2, one}, corner, corner.Bounds()), 0);
        EXPECT_EQ(pixelsDiffering(queen, {2 * one, card.height - card.width + 3 * one}, centre, centre.Bounds()),
                  0);
        EXPECT_EQ(queen.Pixel(0, card.height - 1), 0x999999u);  // light left edge
        EXPECT_EQ(queen.Pixel(card.width - 1, card.height - 1), 0x000000u);  // dark bottom right
    }
}

TEST_F(FieldDrawing, TheClockIsDrawnOverCardsAndADraggedCardOverTheClock)
{
    // A short field brings the last tableau pile's top card under the clock.
    FieldSettings settings;
    settings.showTimer = true;
    openKlondike(2, settings, 240, 160);
    std::string clockText;
    field.SetClockText([&] { return clockText; });
    const ViewCard top = field.View().piles[8].cards.back();
    const Point at = field.CardPosition(8, 6);
    const Rect clockBox{240 - 70, 160 - 20, 230, 160};
    const Rect underClock{std::max(clockBox.left, at.x) - at.x, std::max(clockBox.top, at.y) - at.y,
                          std::min(clockBox.right, at.x + 26) - at.x, std::min(clockBox.bottom, at.y + 35) - at.y};
    ASSERT_FALSE(underClock.isEmpty());

    field.ShowField();
    EXPECT_EQ(pixelsDiffering(field.BackBuffer(), at, art.Face(top.suit, top.rank), underClock), 0);
    clockText = "12:45";
    field.ShowField();
    EXPECT_GT(pixelsDiffering(field.BackBuffer(), at, art.Face(top.suit, top.rank), underClock), 0);

    // Dragged a few pixels, the card covers the clock.
    const Point press = pointOn(8, 6);
    pointerDown(field, press);
    pointerMove(field, {press.x + 5, press.y + 5});
    ASSERT_TRUE(field.IsDragging());
    pointerMove(field, {press.x + 7, press.y + 6});
    const Point dragged{at.x + 7, at.y + 6};
    EXPECT_TRUE(bufferShows(dragged, art.Face(top.suit, top.rank)));
    // A repaint while dragging draws the clock again, and the card over it.
    field.Repaint();
    EXPECT_TRUE(bufferShows(dragged, art.Face(top.suit, top.rank)));
    EXPECT_TRUE(bufferShows({0, 0}, grabClient(field)));
    pointerUp(field, {press.x + 7, press.y + 6});
    EXPECT_FALSE(field.IsDragging());
}

// How far a colour's luma lies from another's, 0 to 255.
int lumaDistance(Colour a, Colour b)
{
    const auto luma = [](Colour c) {
        return (299 * static_cast<int>((c >> 16) & 0xFF) + 587 * static_cast<int>((c >> 8) & 0xFF) +
                114 * static_cast<int>(c & 0xFF)) / 1000;
    };
    return std::abs(luma(a) - luma(b));
}

TEST_F(FieldDrawing, TheClockStandsOutFromDarkAndLightBackgrounds)
{
    FieldSettings settings;
    settings.showTimer = true;
    openKlondike(2, settings);
    field.SetClockText([] { return std::string("12:45"); });
    // The clock's place at the bottom right lies over the bare background.
    const Rect clockBox{240 - 70, 294 - 20, 230, 294};
    for (const Colour background : {Colour{0x000000}, Colour{0x000080}, Colour{0x008000}, Colour{0xFFFFFF},
                                    Colour{0xFFFF00}, Colour{0xC0C0C0}}) {
        SCOPED_TRACE(background);
        settings.background = background;
        field.SetSettings(settings);
        field.ShowField();
        int strongest = 0;
        for (int y = clockBox.top; y < clockBox.bottom; ++y)
            for (int x = clockBox.left; x < clockBox.right; ++x)
                strongest = std::max(strongest, lumaDistance(field.BackBuffer().Pixel(x, y), background));
        // Text in black or white, whichever lies further from the background.
        EXPECT_GE(strongest, 128);
    }
}

TEST_F(FieldDrawing, ASizeChangeRecreatesTheBackBufferAndMovesAnchoredPiles)
{
    openKlondike(2, FieldSettings{});
    const Point portrait = field.PileOrigin(8);
    mainWindow.SetWindowRect(Rect::fromSize(0, 0, 320, 240));
    field.SetWindowRect(Rect::fromSize(0, 0, 320, 240));
    const Surface screen = grabClient(field);  // a paint, which notices the new size
    ASSERT_EQ(field.BackBuffer().Width(), 320);
    ASSERT_EQ(field.BackBuffer().Height(), 240);
    EXPECT_TRUE(bufferShows({0, 0}, screen));
    const Point landscape = field.PileOrigin(8);
    EXPECT_GT(landscape.x, portrait.x);  // proportional anchor
    EXPECT_EQ(landscape.y, portrait.y);  // absolute anchor
    const ViewCard& top = field.View().piles[8].cards.back();
    EXPECT_TRUE(bufferShows(field.CardPosition(8, 6), art.Face(top.suit, top.rank)));
    const std::optional<Hit> hit = field.HitTest({landscape.x + 13, field.CardPosition(8, 6).y + 20});
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->pile, 8);
}

TEST_F(FieldDrawing, AFieldWithoutAGameShowsOnlyTheBackground)
{
    openField(240, 294, FieldSettings{});
    field.BuildView();
    field.PrepareCards();
    field.ShowField();
    EXPECT_EQ(field.HitItems().count(), 0);
    const Surface& buffer = field.BackBuffer();
    for (int y = 0; y < buffer.Height(); y += 7)
        for (int x = 0; x < buffer.Width(); x += 7)
            ASSERT_EQ(buffer.Pixel(x, y), kBackground);
}

}  // namespace
}  // namespace velmora::testing
