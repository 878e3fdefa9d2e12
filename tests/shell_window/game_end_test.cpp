// The end of a deal: won, lost (with the loss dialog's three answers) and
// time up, with what each records in the statistics; and the clock's pauses.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "main_window_fixture.h"
#include "player_steps.h"
#include "solver.h"
#include "statistics.h"

namespace velmora::testing {
namespace {

constexpr int kMessageContent = 605;
constexpr int kNewGame = 40005;
constexpr int kRestart = 40006;
constexpr int kUndo = 40002;

enum Suit { spades = 1, clubs = 2, diamonds = 3, hearts = 4 };
// Klondike's piles: 0 stock, 1 waste, 2-8 tableau, 9-12 foundations.
constexpr int kFirstColumn = 2;
constexpr int kFoundation = 9;

class GameEnd : public MainWindowTest {
protected:
    MainWindow& openKlondike(bool timed = false, std::uint32_t limit = 3)
    {
        chooseGameBeforeStart("Klondike", timed, limit);
        seen.clear();
        return openWindow();
    }

    // Seven lone tableau cards that go nowhere; with canMove the fifth is a
    // black four that goes on the red five, after which nothing moves.
    void arrangeDeadEnd(MainWindow& main, bool canMove)
    {
        Engine& engine = main.engine();
        const int tops[7][2] = {{spades, 2}, {clubs, 2}, {diamonds, 2}, {hearts, 5},
                                {canMove ? spades : diamonds, canMove ? 4 : 5}, {spades, 9}, {clubs, 9}};
        std::vector<PileContent> piles;
        for (int column = 0; column < 7; ++column)
            piles.push_back({kFirstColumn + column, {cardOf(engine, tops[column][0], tops[column][1])}});
        arrangeBoard(engine, piles, kFoundation);
        ASSERT_EQ(engine.findMove(0).has_value(), canMove);
        if (canMove) {
            ASSERT_TRUE(engine.moveCards(cardOf(engine, spades, 4), kFirstColumn + 3, nullptr));
            engine.runAfterMoveEvents(nullptr);
            ASSERT_FALSE(engine.findMove(0).has_value());
        }
    }

    StatisticsRecord statistics() { return StatisticsStore(store(), storeRoot("Velmora")).read("Klondike"); }

    int lossDialogs() const
    {
        int count = 0;
        for (const Seen& request : seen)
            count += request.contentTemplate == kMessageContent && request.text == "Sorry…";
        return count;
    }
};

TEST_F(GameEnd, LossAnsweredWithNewGameRecordsItAndDealsAnother)
{
    MainWindow& main = openKlondike();
    arrangeDeadEnd(main, false);
    tick();  // the deal's first tick only takes its base
    passSeconds(12);
    answer = [](const ModalRequest&, int content) -> std::optional<int> {
        return content == kMessageContent ? std::optional<int>(kNewGame) : std::nullopt;
    };
    main.SendMessage(WM_SOL_CHECKEND);
    EXPECT_EQ(lossDialogs(), 1);
    EXPECT_EQ(statistics(), (StatisticsRecord{1, 0, 12}));
    EXPECT_TRUE(main.engine().findMove(0).has_value());
    EXPECT_EQ(main.clock().elapsedSeconds(), 0u);
}

TEST_F(GameEnd, LossAnsweredWithRestartDealsTheSameNumber)
{
    MainWindow& main = openKlondike();
    const GameNumber number = main.preferences().curGameNumber;
    arrangeDeadEnd(main, false);
    answer = [](const ModalRequest&, int content) -> std::optional<int> {
        return content == kMessageContent ? std::optional<int>(kRestart) : std::nullopt;
    };
    main.SendMessage(WM_SOL_CHECKEND);
    EXPECT_EQ(statistics().gamesPlayed, 1);
    EXPECT_EQ(main.preferences().curGameNumber, number);
    EXPECT_EQ(main.engine().state().piles[0].count, 21);  // after the deal's first turn
}

TEST_F(GameEnd, LossAnsweredWithUndoTakesTheMoveBackAndRecordsNothing)
{
    MainWindow& main = openKlondike();
    arrangeDeadEnd(main, true);
    answer = [](const ModalRequest&, int content) -> std::optional<int> {
        return content == kMessageContent ? std::optional<int>(kUndo) : std::nullopt;
    };
    main.SendMessage(WM_SOL_CHECKEND);
    EXPECT_EQ(lossDialogs(), 1);
    EXPECT_EQ(statistics().gamesPlayed, 0);
    EXPECT_TRUE(main.engine().findMove(0).has_value());
    EXPECT_FALSE(main.clock().paused());
}

TEST_F(GameEnd, LossAnsweredWithUndoWithNothingToUndoCountsTheLoss)
{
    MainWindow& main = openKlondike();
    arrangeDeadEnd(main, false);
    answer = [](const ModalRequest& request, int content) -> std::optional<int> {
        if (request.kind == ModalKind::messageBox)
            return IDOK;
        return content == kMessageContent ? std::optional<int>(kUndo) : std::nullopt;
    };
    main.SendMessage(WM_SOL_CHECKEND);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, "Undo not available.");
    EXPECT_EQ(statistics().gamesPlayed, 1);
    EXPECT_TRUE(main.engine().findMove(0).has_value());
}

TEST_F(GameEnd, WonDealIsRecordedAndANewOneDealt)
{
    MainWindow& main = openKlondike();
    tick();
    passSeconds(40);
    Engine& engine = main.engine();
    SolveOptions options;
    options.maxStates = 200'000;
    const SolveResult result = solve(engine, options);
    if (result.status != SolveStatus::won)
        GTEST_SKIP() << "this deal has no win the solver finds";
    for (const Step& step : result.steps)
        ASSERT_TRUE(applyStep(engine, step, nullptr));
    ASSERT_TRUE(engine.isWon());
    main.SendMessage(WM_SOL_CHECKEND);
    EXPECT_EQ(statistics(), (StatisticsRecord{1, 1, 40}));
    EXPECT_FALSE(engine.isWon());
    EXPECT_EQ(main.hintIndex(), 0);
}

TEST_F(GameEnd, TimedGameRunsOutAtTheLimitAndCountsTheLimit)
{
    MainWindow& main = openKlondike(true, 1);
    const GameNumber number = main.preferences().curGameNumber;
    EXPECT_EQ(main.clockText(), "1:00");
    answer = [](const ModalRequest&, int content) -> std::optional<int> {
        return content == kMessageContent ? std::optional<int>(kRestart) : std::nullopt;
    };
    tick();
    passSeconds(59);
    EXPECT_EQ(main.clockText(), "0:01");
    EXPECT_TRUE(seen.empty());
    passSeconds(1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Sorry…");
    EXPECT_EQ(statistics(), (StatisticsRecord{1, 0, 60}));
    EXPECT_EQ(main.preferences().curGameNumber, number);
    EXPECT_EQ(main.clockText(), "1:00");
}

TEST_F(GameEnd, MenusAndDeactivationStopTheClock)
{
    MainWindow& main = openKlondike();
    tick();
    passSeconds(5);
    main.SendMessage(WM_ENTERMENULOOP);
    passSeconds(30);
    main.SendMessage(WM_EXITMENULOOP);
    tick();  // takes the new second as its base
    EXPECT_EQ(main.clockText(), "0:05");
    main.SendMessage(WM_ACTIVATE, WA_INACTIVE);
    passSeconds(30);
    main.SendMessage(WM_ACTIVATE, WA_ACTIVE);
    tick();
    passSeconds(2);
    EXPECT_EQ(main.clockText(), "0:07");
}

}  // namespace
}  // namespace velmora::testing
