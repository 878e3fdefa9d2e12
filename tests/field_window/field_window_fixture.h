// A game field in a stand-in main window, on Qt's offscreen platform, with
// the real artwork of one configuration and a clock the test moves by hand.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "clock.h"
#include "engine.h"
#include "game_field.h"
#include "messages.h"
#include "resource_table.h"

namespace velmora::testing {

// Registers the bitmaps of one configuration's artwork.
void addConfigurationArtwork(ResourceTable& resources, BuildConfiguration configuration);

// The main window as far as the field sees it: counts WM_SOL_CHECKEND and
// can look at the field while handling it.
class MainWindowDouble : public CeWnd {
public:
    int checkEnds = 0;
    std::function<void()> onCheckEnd;

protected:
    std::optional<LResult> OnMessage(const Message& message) override;
};

class FieldWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the screen and registers that configuration's artwork (before
    // openField).
    void useConfiguration(const ScreenMetrics& screen);
    // Opens the main window with the given client size and the field in it.
    void openField(int width, int height, const FieldSettings& settings);
    // BuildView, PrepareCards and ShowField, as the shell does after a deal.
    void showGame();
    void openKlondike(GameNumber number, const FieldSettings& settings, int width = 240, int height = 294);

    // A point the field's hit test resolves to this card (kEmptyPileItem: to
    // the empty pile); fails the test when there is none.
    Point pointOn(int pile, int card);
    // The pile's top card, or its empty place.
    Point pointOnTop(int pile);
    struct Place {
        int pile = -1;
        int index = -1;
    };
    Place placeOf(int cardId) const;

    // A player step through real pointer events: the card's group onto the
    // pile by two taps, or by a drag whose drop point lands on the pile.
    void tapMove(int cardId, int pile);
    void dragMove(int cardId, int pile);
    void tapPile(int pile);

    // Every pile of the view holds the engine's cards in order and face.
    void expectViewMatchesEngine();
    // The area of the back buffer at `at` holds exactly the image.
    bool bufferShows(Point at, const Surface& image) const;

    ResourceTable resources;
    ManualClock clock;
    Engine engine;
    MainWindowDouble mainWindow;
    GameField field{engine};
    CardArt art;  // the field's card images, rendered again for comparison
};

}  // namespace velmora::testing
