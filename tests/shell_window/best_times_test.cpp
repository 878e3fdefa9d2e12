// Best times in the running program: the win flow with its two dialogs, the
// Show Best Times command, the list's texts and layout, and Clear.
#include <gtest/gtest.h>

#include "best_times.h"
#include "best_times_dialog.h"
#include "best_times_layout.h"
#include "dialog_frame.h"
#include "faulty_registry.h"
#include "main_window_fixture.h"
#include "player_steps.h"
#include "preferences.h"
#include "recorded_wins.h"
#include "registry_values.h"
#include "screen.h"
#include "statistics.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

constexpr int kWinContent = 606;
constexpr int kBestTimesContent = 603;
constexpr int kNameEdit = 1007;
constexpr int kList = 1040;
constexpr int kShowBestTimes = 40009;
constexpr int kClear = 40010;

using Row = std::pair<std::string, std::string>;
using Rows = std::vector<Row>;

DialogContent& contentOf(const ModalRequest& request)
{
    return static_cast<DialogFrame*>(request.dialog)->Content();
}

Rows rowsOf(const DialogContent& content)
{
    Rows rows;
    for (int row = 0; row < content.ItemCount(kList); ++row)
        rows.emplace_back(content.ItemText(kList, row, 0), content.ItemText(kList, row, 1));
    return rows;
}

Rows emptyRows(std::size_t from = 0)
{
    return Rows(kBestTimesEntries - from, Row{"---", "---"});
}

class BestTimesFlow : public MainWindowTest {
protected:
    MainWindow& openKlondike(std::u16string_view lastName = u"Ann")
    {
        chooseGameBeforeStart("Klondike");
        seen.clear();
        MainWindow& main = openWindow();
        setLastEnteredName(main.preferences(), lastName);
        return main;
    }

    // Plays the recorded win on the engine after `seconds` on the clock, of
    // which `untickedSeconds` pass after the last tick, and reports it.
    void winAfter(MainWindow& main, int seconds, int untickedSeconds = 0)
    {
        main.StartDeal(2, true);
        std::vector<ParsedStep> steps;
        std::string error;
        ASSERT_TRUE(parseSteps(kKlondikeDeal2Win, steps, error)) << error;
        for (const ParsedStep& step : steps)
            ASSERT_TRUE(applyStep(main.engine(), step.step, nullptr));
        ASSERT_TRUE(main.engine().isWon());
        tick();
        passSeconds(seconds - untickedSeconds);
        clock.advanceSeconds(untickedSeconds);
        main.SendMessage(WM_SOL_CHECKEND);
    }

    BestTimesLocation klondikeTimes() { return bestTimesLocation(store(), storeRoot("Velmora"), "Klondike"); }

    void storeTimes(std::initializer_list<std::pair<std::u16string, std::uint32_t>> entries)
    {
        BestTimes record = LoadBestTimes(klondikeTimes());
        for (const auto& [name, seconds] : entries)
            ASSERT_TRUE(InsertBestTime(record, name, seconds, klondikeTimes()));
    }

    StatisticsRecord statistics() { return StatisticsStore(store(), storeRoot("Velmora")).read("Klondike"); }

    std::vector<int> dialogsSeen() const
    {
        std::vector<int> contents;
        for (const Seen& request : seen)
            if (request.kind == ModalKind::dialog)
                contents.push_back(request.contentTemplate);
        return contents;
    }

    std::string nameOffered;
    Rows listShown;
};

TEST_F(BestTimesFlow, AQualifyingWinAsksForTheNameEntersTheTimeAndShowsTheList)
{
    MainWindow& main = openKlondike(u"Ann");
    storeTimes({{u"Old", 80}});
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content == kWinContent) {
            nameOffered = contentOf(request).ControlText(kNameEdit);
            contentOf(request).SetControlText(kNameEdit, "");
            // Keys go to the dialog as a whole: the name box has the focus.
            typeText(*request.dialog, "B\u00e9a");
            return IDOK;
        }
        if (content == kBestTimesContent) {
            listShown = rowsOf(contentOf(request));
            return IDCANCEL;
        }
        return std::nullopt;
    };
    winAfter(main, 70, 5);  // the last five seconds reach the clock only at the win

    ASSERT_EQ(dialogsSeen(), (std::vector<int>{kWinContent, kBestTimesContent}));
    EXPECT_EQ(seen[0].text, "Congratulations!");
    EXPECT_EQ(seen[1].text, "Best Times");
    EXPECT_EQ(nameOffered, "Ann");
    Rows expected{{"B\u00e9a", "1:10"}, {"Old", "1:20"}};
    const Rows rest = emptyRows(2);
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(listShown, expected);
    EXPECT_EQ(lastEnteredName(main.preferences()), u"B\u00e9a");
    EXPECT_EQ(entryName(LoadBestTimes(klondikeTimes()).entries[0]), u"B\u00e9a");
    EXPECT_EQ(statistics(), (StatisticsRecord{1, 1, 70}));
    // A won deal is always followed by a new one.
    EXPECT_FALSE(main.engine().isWon());
    EXPECT_EQ(main.clock().elapsedSeconds(), 0u);
}

TEST_F(BestTimesFlow, CancelEntersNothingAndKeepsTheLastName)
{
    MainWindow& main = openKlondike(u"Ann");
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content != kWinContent)
            return std::nullopt;
        typeText(contentOf(request), "Zed");
        return IDCANCEL;
    };
    winAfter(main, 30);
    EXPECT_EQ(dialogsSeen(), std::vector<int>{kWinContent});
    EXPECT_EQ(LoadBestTimes(klondikeTimes()), BestTimes{});
    EXPECT_EQ(lastEnteredName(main.preferences()), u"Ann");
    EXPECT_EQ(statistics(), (StatisticsRecord{1, 1, 30}));
    EXPECT_FALSE(main.engine().isWon());
}

TEST_F(BestTimesFlow, AWinSlowerThanAFullListOpensNoDialogAndStillDealsAnew)
{
    MainWindow& main = openKlondike();
    storeTimes({{u"A", 10}, {u"B", 20}, {u"C", 30}, {u"D", 40}, {u"E", 50},
                {u"F", 60}, {u"G", 70}, {u"H", 80}, {u"I", 90}, {u"J", 95}});
    const BestTimes before = LoadBestTimes(klondikeTimes());
    winAfter(main, 95);
    EXPECT_TRUE(dialogsSeen().empty());
    EXPECT_EQ(LoadBestTimes(klondikeTimes()), before);
    EXPECT_EQ(statistics(), (StatisticsRecord{1, 1, 95}));
    EXPECT_FALSE(main.engine().isWon());
}

TEST_F(BestTimesFlow, TheNameStopsAtFifteenCharacters)
{
    MainWindow& main = openKlondike(u"");
    std::string typed;
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content == kWinContent) {
            typeText(contentOf(request), "abcdefghijklmnopqrst");
            typed = contentOf(request).ControlText(kNameEdit);
            return IDOK;
        }
        if (content == kBestTimesContent)
            listShown = rowsOf(contentOf(request));
        return std::nullopt;
    };
    winAfter(main, 42);
    EXPECT_EQ(typed, "abcdefghijklmno");
    EXPECT_EQ(lastEnteredName(main.preferences()), u"abcdefghijklmno");
    ASSERT_FALSE(listShown.empty());
    EXPECT_EQ(listShown[0], (Row{"abcdefghijklmno", "0:42"}));
}

TEST_F(BestTimesFlow, TypingReplacesTheOfferedName)
{
    MainWindow& main = openKlondike(u"Alexandra");
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content != kWinContent)
            return IDCANCEL;
        typeText(contentOf(request), "Bo");
        return IDOK;
    };
    winAfter(main, 40);
    EXPECT_EQ(lastEnteredName(main.preferences()), u"Bo");
}

TEST_F(BestTimesFlow, ReturnInTheNameBoxConfirmsTheNameAsOkDoes)
{
    MainWindow& main = openKlondike(u"Ann");
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content == kWinContent) {
            contentOf(request).SetControlText(kNameEdit, "");
            typeText(contentOf(request), "Kim");
            keyPress(contentOf(request), VK_RETURN);
            // Without its own end the dialog is cancelled, and the checks below fail.
            if (static_cast<DialogFrame*>(request.dialog)->HasEnded())
                return std::nullopt;
            return IDCANCEL;
        }
        if (content == kBestTimesContent)
            listShown = rowsOf(contentOf(request));
        return IDCANCEL;
    };
    winAfter(main, 50);
    EXPECT_EQ(dialogsSeen(), (std::vector<int>{kWinContent, kBestTimesContent}));
    EXPECT_EQ(lastEnteredName(main.preferences()), u"Kim");
    ASSERT_FALSE(listShown.empty());
    EXPECT_EQ(listShown[0], (Row{"Kim", "0:50"}));
}

TEST_F(BestTimesFlow, GameEndChecksWhileTheWinDialogIsOpenAreIgnored)
{
    MainWindow& main = openKlondike();
    bool checked = false;
    answer = [&](const ModalRequest&, int content) -> std::optional<int> {
        if (content == kWinContent && !checked) {
            checked = true;
            main.SendMessage(WM_SOL_CHECKEND);
        }
        return std::nullopt;
    };
    winAfter(main, 20);
    EXPECT_EQ(dialogsSeen(), std::vector<int>{kWinContent});
    EXPECT_EQ(statistics(), (StatisticsRecord{1, 1, 20}));
}

// A store that takes writes but cannot give the records at the win: no
// name is asked for, and neither the list nor the statistics it holds are
// written over by this one deal.
TEST_F(BestTimesFlow, AWinWhileTheStoreCannotBeReadWritesNothingOverItsRecords)
{
    chooseGameBeforeStart("Klondike");
    storeTimes({{u"Old", 80}});
    ASSERT_TRUE(StatisticsStore(store(), storeRoot("Velmora")).recordPlay("Klondike", false, 50));
    const BestTimes times = LoadBestTimes(klondikeTimes());
    FaultyRegistry faulty(store());
    window = std::make_unique<MainWindow>(ShellContext{&resources, &faulty, BuildConfiguration::standard});
    ASSERT_TRUE(window->CreateMainWindow("Velmora"));
    seen.clear();
    answer = [](const ModalRequest&, int content) -> std::optional<int> {
        return content == kWinContent ? std::optional<int>(IDOK) : std::nullopt;
    };
    faulty.refuseReads = true;
    winAfter(*window, 30);
    faulty.refuseReads = false;
    EXPECT_TRUE(dialogsSeen().empty());
    EXPECT_FALSE(window->engine().isWon());
    closeWindow();

    EXPECT_EQ(LoadBestTimes(klondikeTimes()), times);
    EXPECT_EQ(statistics(), (StatisticsRecord{1, 0, 50}));
}

TEST_F(BestTimesFlow, ShowBestTimesPausesTheClockAndShowsMinutesAndSeconds)
{
    MainWindow& main = openKlondike();
    storeTimes({{u"Slow", 600}, {u"Fast", 59}});
    bool pausedMeanwhile = false;
    std::vector<std::string> titles;
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content == kBestTimesContent) {
            pausedMeanwhile = main.clock().paused();
            listShown = rowsOf(contentOf(request));
            titles = {contentOf(request).ColumnTitle(kList, 0), contentOf(request).ColumnTitle(kList, 1)};
        }
        return std::nullopt;
    };
    tick();
    main.SendMessage(WM_COMMAND, kShowBestTimes);
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_FALSE(main.clock().paused());
    EXPECT_EQ(titles, (std::vector<std::string>{"Name", "Time"}));
    Rows expected{{"Fast", "0:59"}, {"Slow", "10:00"}};
    const Rows rest = emptyRows(2);
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(listShown, expected);
}

TEST_F(BestTimesFlow, AStoredListOutOfOrderOrWithAnUnendedNameIsShownMended)
{
    MainWindow& main = openKlondike();
    // Entries: "Slow" 2:00, an empty slot, "Fast" 0:30, then 16 units of
    // name without terminator at 0:10.
    std::vector<std::uint8_t> bytes(sizeof(BestTimes), 0);
    const auto put = [&](int entry, std::string_view name, std::uint8_t seconds) {
        for (std::size_t unit = 0; unit < name.size(); ++unit)
            bytes[static_cast<std::size_t>(entry) * 36 + unit * 2] = static_cast<std::uint8_t>(name[unit]);
        bytes[static_cast<std::size_t>(entry) * 36 + 32] = seconds;
    };
    put(0, "Slow", 120);
    put(2, "Fast", 30);
    put(3, "XXXXXXXXXXXXXXXX", 10);
    writeValue(store(), "SOFTWARE\\Trelk Software\\Velmora\\Velmora\\bestScores\\Klondike", "data",
               ValueType::dword, bytes);
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content == kBestTimesContent)
            listShown = rowsOf(contentOf(request));
        return std::nullopt;
    };
    main.SendMessage(WM_COMMAND, kShowBestTimes);
    Rows expected{{"Fast", "0:30"}, {"Slow", "2:00"}};
    const Rows rest = emptyRows(2);
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(listShown, expected);
}

TEST_F(BestTimesFlow, ClearAsksFirstAndOnlyYesEmptiesTheList)
{
    MainWindow& main = openKlondike();
    storeTimes({{u"Ann", 61}});
    std::vector<std::string> questions;
    int boxAnswer = IDNO;
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (request.kind == ModalKind::messageBox) {
            questions.push_back(request.caption + "|" + request.text);
            return boxAnswer;
        }
        if (content != kBestTimesContent)
            return std::nullopt;
        listShown = rowsOf(contentOf(request));
        // Clear twice: a dialog that stays open is asked a second time.
        return request.attempt < 2 ? std::optional<int>(kClear) : std::optional<int>(IDCANCEL);
    };
    main.SendMessage(WM_COMMAND, kShowBestTimes);
    EXPECT_EQ(questions, std::vector<std::string>(
                             2, "Confirmation|Are you sure you want to clear best times for the current solitaire?"));
    EXPECT_EQ(listShown[0], (Row{"Ann", "1:01"}));
    EXPECT_EQ(entryName(LoadBestTimes(klondikeTimes()).entries[0]), u"Ann");

    boxAnswer = IDYES;
    questions.clear();
    main.SendMessage(WM_COMMAND, kShowBestTimes);
    EXPECT_EQ(questions.size(), 1u);  // Yes closed the dialog at once
    EXPECT_EQ(LoadBestTimes(klondikeTimes()), BestTimes{});

    listShown.clear();
    main.SendMessage(WM_COMMAND, kShowBestTimes);
    EXPECT_EQ(listShown, emptyRows());
}

// The list as it lies in the dialog, and where the layout says it belongs.
struct PlacedList {
    Rect list;
    int nameWidth = 0;
    int timeWidth = 0;
    BestTimesListLayout expected;
};

PlacedList placedList(const DialogContent& content)
{
    const Rect page = content.ClientRect();
    return {content.ControlRect(kList), content.ColumnWidth(kList, 0), content.ColumnWidth(kList, 1),
            bestTimesListLayout(page.right, page.bottom, screenMetrics())};
}

TEST_F(BestTimesFlow, TheListIsLaidOutAgainWheneverTheContentChangesSize)
{
    MainWindow& main = openKlondike();
    std::vector<PlacedList> placed;
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content != kBestTimesContent)
            return std::nullopt;
        placed.push_back(placedList(contentOf(request)));
        // The window grows to leave room for the whole list.
        main.SetWindowRect(Rect{0, 0, 320, 480});
        placed.push_back(placedList(contentOf(request)));
        return IDCANCEL;
    };
    main.SendMessage(WM_COMMAND, kShowBestTimes);
    ASSERT_EQ(placed.size(), 2u);
    for (const PlacedList& list : placed) {
        EXPECT_EQ(list.list, list.expected.list);
        EXPECT_EQ(list.nameWidth, list.expected.nameWidth);
        EXPECT_EQ(list.timeWidth, 40);
    }
    EXPECT_LT(placed[0].list.height(), 312);
    EXPECT_EQ(placed[1].list, (Rect{5, 5, 315, 317}));
    EXPECT_EQ(placed[1].nameWidth, 320 - 40 - 13);
}

TEST(BestTimesLayout, WholeScalesGiveTheFullListRoomOnceThePageIsHighEnough)
{
    const ScreenMetrics standard{96, 96, BuildConfiguration::standard};
    EXPECT_EQ(bestTimesListLayout(240, 322, standard), (BestTimesListLayout{{5, 5, 235, 317}, 187, 40}));
    EXPECT_EQ(bestTimesListLayout(240, 321, standard), (BestTimesListLayout{{5, 5, 235, 316}, 175, 40}));
    EXPECT_EQ(bestTimesListLayout(320, 200, standard), (BestTimesListLayout{{5, 5, 315, 195}, 255, 40}));

    const ScreenMetrics vga{192, 192, BuildConfiguration::vga};
    EXPECT_EQ(bestTimesListLayout(480, 600, vga), (BestTimesListLayout{{10, 10, 470, 322}, 374, 80}));
    EXPECT_EQ(bestTimesListLayout(480, 331, vga), (BestTimesListLayout{{10, 10, 470, 321}, 350, 80}));
    // A page smaller than the margins gives an empty list, never a negative one.
    EXPECT_EQ(bestTimesListLayout(4, 4, vga), (BestTimesListLayout{{10, 10, 10, 10}, 0, 80}));
}

TEST(BestTimesLayout, OtherScalesCapTheListAndLeaveRoomForAScrollBar)
{
    const ScreenMetrics medium{144, 144, BuildConfiguration::standard};
    // Margins 8 and 15 (5 and 10 scaled), the time column 60, the scroll bar room 38.
    EXPECT_EQ(bestTimesListLayout(360, 500, medium), (BestTimesListLayout{{8, 8, 353, 215}, 262, 60}));
    EXPECT_EQ(bestTimesListLayout(360, 216, medium), (BestTimesListLayout{{8, 8, 353, 209}, 262, 60}));
}

}  // namespace
}  // namespace velmora::testing
