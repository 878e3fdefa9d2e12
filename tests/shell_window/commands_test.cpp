// Commands from the menu bar, its popups and the accelerator.
#include <gtest/gtest.h>

#include "game_field.h"
#include "main_window_fixture.h"
#include "menu_bar.h"
#include "statistics.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

constexpr int kAboutContent = 608;
constexpr int kStatisticsContent = 610;

class Commands : public MainWindowTest {
protected:
    MainWindow& openKlondike()
    {
        chooseGameBeforeStart("Klondike");
        seen.clear();
        return openWindow();
    }
};

TEST_F(Commands, IconBarAndSoftkeysCarryTheMainCommands)
{
    MainWindow& main = openKlondike();
    CMenuBar& bar = *main.menuBar();
    EXPECT_FALSE(bar.IsSoftkeyMode());  // a 96-dpi screen starts with icons
    const int dealt = main.engine().state().piles[0].count;
    tap(*main.field(), Point{main.field()->CardPosition(0, 0).x + 4, main.field()->CardPosition(0, 0).y + 4});
    ASSERT_LT(main.engine().state().piles[0].count, dealt);
    ASSERT_TRUE(bar.PressButton(0));  // Undo
    EXPECT_EQ(main.engine().state().piles[0].count, dealt);

    ASSERT_TRUE(bar.SetSoftkeyMode(true));
    EXPECT_EQ(bar.ButtonTexts(), (std::vector<std::string>{"Undo", "Menu"}));
    ASSERT_TRUE(bar.PressButton(0));  // Undo with nothing left to undo
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().text, "Undo not available.");
}

TEST_F(Commands, NewGameAndRestartCountTheAbandonedDeal)
{
    MainWindow& main = openKlondike();
    const GameNumber number = main.preferences().curGameNumber;
    tick();
    passSeconds(3);
    main.SendMessage(WM_COMMAND, 40006);  // Restart
    EXPECT_EQ(main.preferences().curGameNumber, number);
    main.SendMessage(WM_COMMAND, 40005);  // New Game, right after the deal
    const StatisticsRecord record = StatisticsStore(store(), storeRoot("Velmora")).read("Klondike");
    EXPECT_EQ(record, (StatisticsRecord{2, 0, 3}));
}

TEST_F(Commands, ShowNextMoveWalksThroughTheMovesAndStartsAgain)
{
    MainWindow& main = openKlondike();
    int moves = 0;
    main.engine().forEachMove([&](const Move&) { return ++moves, true; });
    ASSERT_GT(moves, 0);
    for (int press = 0; press < moves; ++press) {
        EXPECT_EQ(main.hintIndex(), press);
        main.SendMessage(WM_COMMAND, 40003);
    }
    EXPECT_EQ(main.hintIndex(), moves);
    main.SendMessage(WM_COMMAND, 40003);
    EXPECT_EQ(main.hintIndex(), 1);
}

TEST_F(Commands, DialogsOfCommandsPauseTheClock)
{
    MainWindow& main = openKlondike();
    tick();
    passSeconds(4);
    answer = [&](const ModalRequest&, int) -> std::optional<int> {
        clock.advanceSeconds(30);  // the player reads for half a minute
        tick();
        return std::nullopt;
    };
    keyPress(main, 'A', true);  // Ctrl+A: About
    main.SendMessage(WM_COMMAND, 40018);  // Show Statistics…
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].contentTemplate, kAboutContent);
    EXPECT_EQ(seen[1].contentTemplate, kStatisticsContent);
    answer = nullptr;
    tick();
    passSeconds(1);
    EXPECT_EQ(main.clock().elapsedSeconds(), 5u);
}

}  // namespace
}  // namespace velmora::testing
