// The main window's keys: in the keyboard play modes the direction keys and
// Return play the game through the field; in the pointer modes, and while
// there is nothing to move between, they are left alone.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "game_field.h"
#include "main_window_fixture.h"
#include "preferences.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

constexpr CursorPlace kNoCursor{kNone, kNone};

class KeyboardKeys : public MainWindowTest {
protected:
    MainWindow& openKlondike(PlayMode mode)
    {
        chooseGameBeforeStart("Klondike");
        Preferences preferences = LoadPreferences(store(), storeRoot("Velmora"));
        preferences.playMode = static_cast<std::uint8_t>(mode);
        preferences.animation = 0;
        SavePreferences(preferences, store(), storeRoot("Velmora"));
        MainWindow& main = openWindow();
        tick();  // the first tick shows the cursor on the dealt game
        return main;
    }

    GameField& field() { return *window->field(); }
    CursorPlace cursor() { return field().Finder().CursorTarget().value_or(kNoCursor); }

    CursorPlace topOf(int pile)
    {
        const int count = field().View().piles[static_cast<std::size_t>(pile)].count();
        return CursorPlace{static_cast<std::uint16_t>(pile),
                           count > 0 ? static_cast<std::uint16_t>(count - 1) : kEmptyPileItem};
    }

    // Presses Right, then Down, until the cursor is on the place.
    bool walkTo(CursorPlace place)
    {
        for (const int key : {VK_RIGHT, VK_DOWN})
            for (int press = 0; press < 80 && cursor() != place; ++press)
                keyPress(*window, key);
        return cursor() == place;
    }

    std::optional<Move> topCardMove() { return firstTopCardMove(window->engine()); }

    CursorPlace placeOfCard(int cardId)
    {
        const Card& card = window->engine().state().cards[static_cast<std::size_t>(cardId)];
        return CursorPlace{card.pile, static_cast<std::uint16_t>(card.position)};
    }
};

TEST_F(KeyboardKeys, CardWiseArrowsMoveTheCursorAndReturnPlaysAMoveAfterWhichTheWindowRebuildsTheCandidates)
{
    MainWindow& main = openKlondike(PlayMode::keyboardCardWise);
    ASSERT_TRUE(field().HasNavigationLists());
    const CursorPlace start = cursor();
    keyPress(main, VK_RIGHT);
    EXPECT_NE(cursor(), start);
    keyPress(main, VK_LEFT);
    EXPECT_EQ(cursor(), start);

    const std::optional<Move> move = topCardMove();
    ASSERT_TRUE(move.has_value());
    ASSERT_TRUE(walkTo(placeOfCard(move->card)));
    keyPress(main, VK_RETURN);
    ASSERT_NE(field().CurrentHighlight().pile, kNone);
    ASSERT_TRUE(walkTo(topOf(move->destination)));
    keyPress(main, VK_RETURN);
    EXPECT_EQ(main.engine().state().cards[move->card].pile, move->destination);
    EXPECT_EQ(field().CurrentHighlight().pile, kNone);
    // The window asked for the source candidates again after the move.
    EXPECT_TRUE(field().HasNavigationLists());
    EXPECT_EQ(cursor().pile, move->destination);
}

TEST_F(KeyboardKeys, KeysPressedOnTheFieldReachTheWindow)
{
    openKlondike(PlayMode::keyboardPileWise);
    const CursorPlace start = cursor();
    keyPress(field(), VK_RIGHT);
    EXPECT_NE(cursor(), start);
}

TEST_F(KeyboardKeys, ReturnOnTheStockDealsAndUndoPutsTheCursorBackAtTheTopLeft)
{
    MainWindow& main = openKlondike(PlayMode::keyboardPileWise);
    const CursorPlace topLeft = cursor();
    ASSERT_TRUE(walkTo(topOf(0)));  // the stock
    const int stock = field().View().piles[0].count();
    keyPress(main, VK_RETURN);
    EXPECT_EQ(field().View().piles[0].count(), stock - 3);

    keyPress(main, VK_RIGHT);
    main.SendMessage(WM_COMMAND, 40002);  // Undo
    EXPECT_EQ(field().View().piles[0].count(), stock);
    EXPECT_TRUE(field().HasNavigationLists());
    EXPECT_EQ(cursor(), topLeft);
}

TEST_F(KeyboardKeys, InThePointerModesTheKeysDoNothingInTheGame)
{
    for (const PlayMode mode : {PlayMode::tapping, PlayMode::dragAndDrop}) {
        MainWindow& main = openKlondike(mode);
        EXPECT_FALSE(field().HasNavigationLists());
        const GameState before = main.engine().state();
        const std::uint64_t frames = field().FramesPresented();
        for (const int key : {VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP, VK_RETURN})
            keyPress(main, key);
        EXPECT_EQ(main.engine().state().piles[0].count, before.piles[0].count);
        EXPECT_EQ(main.engine().state().history.size(), before.history.size());
        EXPECT_EQ(field().FramesPresented(), frames);
        closeWindow();
    }
}

}  // namespace
}  // namespace velmora::testing
