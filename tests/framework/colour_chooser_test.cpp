// The real colour chooser (no answerer) over a handheld-sized window: where
// it lies, what it offers, and what each way of leaving it answers.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "common_dialogs.h"
#include "gui_fixture.h"
#include "messages.h"

namespace velmora::testing {
namespace {

constexpr Colour kCurrent = 0x123456;  // none of the standard colours
constexpr unsigned kOptionsFlags = cc::rgbInit | cc::preventFullOpen | cc::anyColour;

class ColourChooserTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        open(240, 320);
    }

    void open(int width, int height)
    {
        if (owner.IsCreated())
            owner.Destroy();
        ASSERT_TRUE(owner.Create(testWindowClass(), "Velmora", nullptr, Rect::fromSize(0, 0, width, height)));
        processEvents();
    }

    // Runs the chooser over the owner and plays `act` in it once it shows.
    std::optional<Colour> choose(const std::function<void()>& act, Colour initial = kCurrent,
                                 unsigned flags = kOptionsFlags)
    {
        shown = std::nullopt;
        whenLoopRuns([&] {
            shown = modalBoxRect(owner);
            act();
        });
        const std::optional<Colour> chosen = ChooseColour(&owner, initial, flags);
        EXPECT_TRUE(shown.has_value()) << "the chooser never showed";
        return chosen;
    }

    RecordingWindow owner;
    std::optional<Rect> shown;
};

// The centre of the swatch showing the colour; fails the test when the
// chooser shows no such swatch.
Point swatchOf(Colour colour)
{
    const Surface box = grabModalBox();
    Rect found{box.Width(), box.Height(), -1, -1};
    for (int y = 0; y < box.Height(); ++y)
        for (int x = 0; x < box.Width(); ++x)
            if (box.Pixel(x, y) == colour)
                found = Rect{std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                             std::max(found.bottom, y + 1)};
    EXPECT_FALSE(found.isEmpty()) << "no swatch of " << std::hex << colour;
    return {(found.left + found.right) / 2, (found.top + found.bottom) / 2};
}

int pixelsOf(const Surface& surface, Colour colour)
{
    int count = 0;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            count += surface.Pixel(x, y) == colour ? 1 : 0;
    return count;
}

TEST_F(ColourChooserTest, ItLiesWithinTheWindowUprightAndTurned)
{
    for (const Point size : {Point{240, 320}, Point{320, 240}}) {
        SCOPED_TRACE(std::to_string(size.x) + " x " + std::to_string(size.y));
        open(size.x, size.y);
        choose([] { keyPressModalBox(VK_ESCAPE); });
        ASSERT_TRUE(shown.has_value());
        const Rect window = topLevelFrame(owner);
        EXPECT_GE(shown->left, 0);
        EXPECT_GE(shown->top, 0);
        EXPECT_LE(shown->right, window.width());
        EXPECT_LE(shown->bottom, window.height());
    }
}

TEST_F(ColourChooserTest, ItOffersTheStandardColoursAndTheCurrentOne)
{
    Surface box;
    choose([&] {
        box = grabModalBox();
        keyPressModalBox(VK_ESCAPE);
    });
    ASSERT_TRUE(box.IsValid());
    // A swatch is 20 x 16 pixels within its outline.
    for (const Colour colour : standardColours())
        EXPECT_GE(pixelsOf(box, colour), 18 * 14) << std::hex << colour;
    EXPECT_GE(pixelsOf(box, kCurrent), 18 * 14);
}

TEST_F(ColourChooserTest, OkAnswersTheSelectedColourAndCancelOrClosingNothing)
{
    const Colour red = standardColours()[9];
    const Colour blue = standardColours()[2];
    ASSERT_NE(red, blue);

    // OK at once: the colour it opened with.
    EXPECT_EQ(choose([] { keyPressModalBox(VK_RETURN); }), std::optional<Colour>(kCurrent));
    // A tap selects, OK confirms; a double tap does both.
    EXPECT_EQ(choose([&] {
                  tapModalBox(swatchOf(red));
                  keyPressModalBox(VK_RETURN);
              }),
              std::optional<Colour>(red));
    EXPECT_EQ(choose([&] { doubleTapModalBox(swatchOf(blue)); }), std::optional<Colour>(blue));
    // Back to the current colour after another.
    EXPECT_EQ(choose([&] {
                  tapModalBox(swatchOf(red));
                  tapModalBox(swatchOf(kCurrent));
                  keyPressModalBox(VK_RETURN);
              }),
              std::optional<Colour>(kCurrent));

    // Cancel and the close button forget the selection.
    EXPECT_EQ(choose([&] {
                  tapModalBox(swatchOf(red));
                  keyPressModalBox(VK_ESCAPE);
              }),
              std::nullopt);
    EXPECT_EQ(choose([&] {
                  tapModalBox(swatchOf(red));
                  closeModalBox();
              }),
              std::nullopt);
}

TEST_F(ColourChooserTest, TheDirectionKeysWalkTheGridAndWithoutRgbInitItOpensOnBlack)
{
    // From the current colour below the grid, Up reaches the first column's
    // last row, Right the next column.
    EXPECT_EQ(choose([] {
                  keyPressModalBox(VK_UP);
                  keyPressModalBox(VK_RIGHT);
                  keyPressModalBox(VK_RETURN);
              }),
              std::optional<Colour>(standardColours()[6 + 5]));
    EXPECT_EQ(choose([] {
                  keyPressModalBox(VK_UP);
                  keyPressModalBox(VK_DOWN);
                  keyPressModalBox(VK_RETURN);
              }),
              std::optional<Colour>(kCurrent));
    EXPECT_EQ(choose([] { keyPressModalBox(VK_RETURN); }, kCurrent, cc::anyColour), std::optional<Colour>(0x000000));
}

}  // namespace
}  // namespace velmora::testing
