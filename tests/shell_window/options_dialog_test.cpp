// The Options dialog driven through its pages' own controls: what OK takes
// over, what Cancel leaves alone, the card-back and colour buttons, the menu
// style, the help pages and what the main window does afterwards.
#include <gtest/gtest.h>

#include "common_dialogs.h"
#include "dialog_frame.h"
#include "game_field.h"
#include "html_view_dialog.h"
#include "main_window_fixture.h"
#include "menu_bar.h"
#include "options_dialog.h"
#include "resource_ids.h"
#include "resources.h"
#include "screen.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

namespace ctl = options_control;

constexpr int kOptionsContent = 604;
constexpr int kHtmlViewContent = 607;
constexpr int kMessageContent = 605;

class OptionsDialog : public MainWindowTest {
protected:
    MainWindow& openKlondike(bool timed = false, std::uint32_t limit = 3)
    {
        chooseGameBeforeStart("Klondike", timed, limit);
        MainWindow& main = openWindow();
        seen.clear();
        return main;
    }

    // Opens Options from the main window; edit works the open dialog and
    // gives the command that ends it.
    void runOptions(const std::function<int(OptionsContent&, DialogFrame&)>& edit)
    {
        answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
            switch (request.kind) {
            case ModalKind::colourChooser:
                colourRequests.push_back(request);
                return chosenColour;
            case ModalKind::popupMenu:
                popupCommands = request.commands;
                return popupAnswer;
            default:
                break;
            }
            auto* frame = static_cast<DialogFrame*>(request.dialog);
            if (content == kHtmlViewContent) {
                helpTexts.push_back(dynamic_cast<HtmlViewContent&>(frame->Content()).Html());
                return IDOK;
            }
            if (content == kOptionsContent && request.attempt == 0)
                return edit(dynamic_cast<OptionsContent&>(frame->Content()), *frame);
            return std::nullopt;
        };
        window->SendMessage(WM_COMMAND, ids::kCmdOptions);
        answer = nullptr;
    }

    std::uint64_t frames() const { return window->field()->FramesPresented(); }

    std::optional<int> chosenColour;
    std::vector<ModalRequest> colourRequests;
    int popupAnswer = 0;
    std::vector<int> popupCommands;
    std::vector<std::u16string> helpTexts;
};

// The pixels of a control's face as the page shows them.
std::vector<Colour> face(CeBaseDialog& page, int id)
{
    const Surface shown = grabClient(page);
    const Rect rect = page.ControlRect(id);
    std::vector<Colour> pixels;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            pixels.push_back(shown.Pixel(x, y));
    return pixels;
}

TEST_F(OptionsDialog, OpensOnTheGamePageWithThePreferencesShown)
{
    MainWindow& main = openKlondike(true, 5);
    main.preferences().playMode = 2;
    main.preferences().animation = 0;
    main.preferences().softkeyMenu = 1;
    runOptions([&](OptionsContent& options, DialogFrame& frame) {
        EXPECT_EQ(frame.Title(), "Options");
        EXPECT_EQ(frame.MenuBar()->ButtonTexts(), (std::vector<std::string>{"OK", "Menu"}));
        EXPECT_EQ(options.CurrentPage(), 0);
        EXPECT_TRUE(options.GamePage().IsVisible());
        EXPECT_FALSE(options.InterfacePage().IsVisible());
        GameOptionsPage& game = options.GamePage();
        EXPECT_TRUE(game.IsChecked(ctl::kTimedGame));
        EXPECT_EQ(game.ItemCount(ctl::kTimeLimit), 4);
        EXPECT_EQ(game.ControlText(ctl::kTimeLimit), "5 min");
        InterfaceOptionsPage& face = options.InterfacePage();
        EXPECT_EQ(face.ControlText(ctl::kPlayCards), "Keyboard CW");
        EXPECT_FALSE(face.IsChecked(ctl::kAnimation));
        EXPECT_TRUE(face.IsChecked(ctl::kShowTimer));
        EXPECT_TRUE(face.IsChecked(ctl::kSoftkeyMenu));
        EXPECT_TRUE(face.IsControlVisible(ctl::kSoftkeyMenu));

        // The tabs lie along the bottom edge, the pages above them.
        const Rect tabs = options.ControlRect(ids::kCtlTabs);
        const Rect area = options.ClientRect();
        EXPECT_EQ(tabs.bottom, area.bottom);
        EXPECT_EQ(tabs.height(), ScaleY(20));
        EXPECT_LT(tabs.left, 0);
        EXPECT_GT(tabs.right, area.right);
        EXPECT_EQ(game.WindowRect(), (Rect{0, 0, area.right, tabs.top}));

        options.SelectPage(1);
        EXPECT_TRUE(face.IsVisible());
        EXPECT_FALSE(game.IsVisible());
        EXPECT_EQ(options.TabSelection(ids::kCtlTabs), 1);
        return IDCANCEL;
    });
}

TEST_F(OptionsDialog, CardBackCyclesThroughTheFourDesignsAndBack)
{
    MainWindow& main = openKlondike();
    main.preferences().cardBack = 1;
    const std::uint64_t before = frames();
    runOptions([&](OptionsContent& options, DialogFrame&) {
        InterfaceOptionsPage& page = options.InterfacePage();
        options.SelectPage(1);
        const std::vector<Colour> start = face(page, ctl::kCardBack);
        std::vector<std::uint32_t> designs;
        for (int tap = 0; tap < 4; ++tap) {
            page.SendMessage(WM_COMMAND, ctl::kCardBack);
            designs.push_back(page.CardBack());
            if (tap == 0) {
                EXPECT_NE(face(page, ctl::kCardBack), start);
            }
        }
        EXPECT_EQ(designs, (std::vector<std::uint32_t>{2, 3, 0, 1}));
        EXPECT_EQ(face(page, ctl::kCardBack), start);
        return IDOK;
    });
    EXPECT_EQ(main.preferences().cardBack, 1u);
    EXPECT_EQ(frames(), before);  // nothing changed, nothing redrawn
}

TEST_F(OptionsDialog, AChosenColourIsForgottenOnCancelAndTakenOnOk)
{
    MainWindow& main = openKlondike();
    main.preferences().bgColor = 0x00336699;  // stored as 0x00BBGGRR
    chosenColour = 0x123456;
    for (const int ending : {IDCANCEL, IDOK}) {
        runOptions([&](OptionsContent& options, DialogFrame&) {
            InterfaceOptionsPage& page = options.InterfacePage();
            const std::vector<Colour> before = face(page, ctl::kBackground);
            page.SendMessage(WM_COMMAND, ctl::kBackground);
            EXPECT_EQ(page.BackgroundColour(), 0x00563412u);
            EXPECT_NE(face(page, ctl::kBackground), before);
            return ending;
        });
        ASSERT_EQ(colourRequests.size(), 1u);
        EXPECT_EQ(colourRequests[0].colour, 0x996633u);
        EXPECT_EQ(colourRequests[0].style, 0x105u);
        colourRequests.clear();
        if (ending == IDCANCEL) {
            EXPECT_EQ(main.preferences().bgColor, 0x00336699u);
        }
    }
    EXPECT_EQ(main.preferences().bgColor, 0x00563412u);
    EXPECT_EQ(main.field()->Settings().background, 0x123456u);
}

TEST_F(OptionsDialog, ACancelledColourChooserKeepsTheWorkingColour)
{
    MainWindow& main = openKlondike();
    chosenColour = -1;
    runOptions([&](OptionsContent& options, DialogFrame&) {
        options.InterfacePage().SendMessage(WM_COMMAND, ctl::kBackground);
        EXPECT_EQ(options.InterfacePage().BackgroundColour(), 0x00008000u);
        return IDOK;
    });
    EXPECT_EQ(main.preferences().bgColor, 0x00008000u);
}

// The chooser itself, not an answer for it: it opens over the main window,
// within it, and its choice becomes the working colour.
TEST_F(OptionsDialog, TheBackgroundButtonOpensAChooserWithinTheMainWindow)
{
    MainWindow& main = openKlondike();
    realColourChooser = true;
    const Colour chosen = standardColours()[20];
    std::optional<Rect> shown;
    runOptions([&](OptionsContent& options, DialogFrame&) {
        whenLoopRuns([&] {
            shown = modalBoxRect(*window);
            const Surface box = grabModalBox();
            for (int y = 0; y < box.Height(); ++y)
                for (int x = 0; x < box.Width(); ++x)
                    if (box.Pixel(x, y) == chosen) {
                        tapModalBox({x + 2, y + 2});
                        keyPressModalBox(VK_RETURN);
                        return;
                    }
            keyPressModalBox(VK_ESCAPE);
        });
        options.InterfacePage().SendMessage(WM_COMMAND, ctl::kBackground);
        return IDOK;
    });
    ASSERT_TRUE(shown.has_value());
    const Rect frame = topLevelFrame(*window);
    EXPECT_TRUE(shown->left >= 0 && shown->top >= 0 && shown->right <= frame.width() &&
                shown->bottom <= frame.height());
    EXPECT_EQ(main.field()->Settings().background, chosen);
}

TEST_F(OptionsDialog, OkTakesOverEverySettingAndTheFieldShowsThem)
{
    MainWindow& main = openKlondike(true, 3);
    tick();
    passSeconds(3);
    chosenColour = 0x204060;
    const std::uint64_t before = frames();
    runOptions([&](OptionsContent& options, DialogFrame&) {
        clock.advanceSeconds(60);  // the time in the dialog never counts
        tick();
        GameOptionsPage& game = options.GamePage();
        game.SetCheck(ctl::kTimedGame, false);
        game.SetSelection(ctl::kTimeLimit, 3);
        InterfaceOptionsPage& page = options.InterfacePage();
        page.SetSelection(ctl::kPlayCards, 0);
        page.SendMessage(WM_COMMAND, ctl::kCardBack);
        page.SendMessage(WM_COMMAND, ctl::kBackground);
        page.SetCheck(ctl::kAnimation, false);
        page.SetCheck(ctl::kShowTimer, false);
        page.SetCheck(ctl::kSoftkeyMenu, true);
        return IDOK;
    });
    const Preferences& preferences = main.preferences();
    EXPECT_EQ(preferences.timedGame, 0);
    EXPECT_EQ(preferences.timeLimit, 10u);
    EXPECT_EQ(preferences.playMode, 0);
    EXPECT_EQ(preferences.cardBack, 1u);
    EXPECT_EQ(preferences.bgColor, 0x00604020u);
    EXPECT_EQ(preferences.animation, 0);
    EXPECT_EQ(preferences.showTimer, 0);
    EXPECT_EQ(preferences.softkeyMenu, 1);
    EXPECT_EQ(main.field()->Settings(),
              (FieldSettings{FieldPlayMode::tapping, false, 0x204060, 1, false}));
    EXPECT_GT(frames(), before);
    tick();
    passSeconds(1);
    EXPECT_EQ(main.clock().elapsedSeconds(), 4u);

    // Stored when the program closes.
    closeWindow();
    const Preferences stored = LoadPreferences(store(), storeRoot("Velmora"));
    EXPECT_EQ(stored.timeLimit, 10u);
    EXPECT_EQ(stored.bgColor, 0x00604020u);
    EXPECT_EQ(stored.softkeyMenu, 1);
}

TEST_F(OptionsDialog, CancelAndClosingChangeNothing)
{
    MainWindow& main = openKlondike(true, 3);
    chosenColour = 0x204060;
    const Preferences before = main.preferences();
    const FieldSettings shown = main.field()->Settings();
    for (const bool closeInstead : {false, true}) {
        runOptions([&](OptionsContent& options, DialogFrame& frame) {
            options.GamePage().SetCheck(ctl::kTimedGame, false);
            options.GamePage().SetSelection(ctl::kTimeLimit, 0);
            InterfaceOptionsPage& page = options.InterfacePage();
            page.SetSelection(ctl::kPlayCards, 3);
            page.SendMessage(WM_COMMAND, ctl::kCardBack);
            page.SendMessage(WM_COMMAND, ctl::kBackground);
            page.SetCheck(ctl::kAnimation, false);
            page.SetCheck(ctl::kShowTimer, false);
            page.SetCheck(ctl::kSoftkeyMenu, true);
            if (!closeInstead)
                return IDCANCEL;
            closeRequest(frame);
            return IDOK;  // too late: the dialog was closed
        });
        EXPECT_EQ(main.preferences(), before);
        EXPECT_EQ(main.field()->Settings(), shown);
        EXPECT_FALSE(main.menuBar()->IsSoftkeyMode());
    }
}

TEST_F(OptionsDialog, AnimationAndTimeSettingsAloneDoNotRedrawTheField)
{
    MainWindow& main = openKlondike(false, 3);
    std::uint64_t before = frames();
    runOptions([&](OptionsContent& options, DialogFrame&) {
        options.GamePage().SetCheck(ctl::kTimedGame, true);
        options.GamePage().SetSelection(ctl::kTimeLimit, 2);
        options.InterfacePage().SetCheck(ctl::kAnimation, false);
        return IDOK;
    });
    EXPECT_EQ(frames(), before);
    EXPECT_EQ(main.preferences().timeLimit, 5u);
    EXPECT_FALSE(main.field()->Settings().animation);

    // Each setting the field shows or plays by redraws it.
    const std::vector<std::function<void(InterfaceOptionsPage&)>> changes{
        [](InterfaceOptionsPage& page) { page.SetSelection(ctl::kPlayCards, 0); },
        [](InterfaceOptionsPage& page) { page.SendMessage(WM_COMMAND, ctl::kCardBack); },
        [](InterfaceOptionsPage& page) { page.SetCheck(ctl::kShowTimer, !page.IsChecked(ctl::kShowTimer)); },
        [](InterfaceOptionsPage& page) { page.SendMessage(WM_COMMAND, ctl::kBackground); },
    };
    chosenColour = 0x400000;
    for (std::size_t change = 0; change < changes.size(); ++change) {
        before = frames();
        runOptions([&](OptionsContent& options, DialogFrame&) {
            changes[change](options.InterfacePage());
            return IDOK;
        });
        EXPECT_GT(frames(), before) << "change " << change;
    }
}

TEST_F(OptionsDialog, LoweringTheLimitBelowThePlayedTimeEndsTheDealAtTheNextTick)
{
    MainWindow& main = openKlondike(true, 3);
    tick();
    passSeconds(120);
    runOptions([&](OptionsContent& options, DialogFrame&) {
        options.GamePage().SetSelection(ctl::kTimeLimit, 0);
        return IDOK;
    });
    EXPECT_EQ(main.preferences().timeLimit, 1u);
    EXPECT_EQ(seen.size(), 1u);  // only the Options dialog so far
    tick();
    passSeconds(1);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].contentTemplate, kMessageContent);
    EXPECT_EQ(seen[1].text, LoadString(ids::kStrTimeUpTitle));
}

TEST_F(OptionsDialog, SoftkeyMenuSwitchesTheMenuBarAtOnce)
{
    MainWindow& main = openKlondike();
    CMenuBar& bar = *main.menuBar();
    ASSERT_FALSE(bar.IsSoftkeyMode());
    std::vector<std::string> duringOk;
    runOptions([&](OptionsContent& options, DialogFrame&) {
        options.InterfacePage().SetCheck(ctl::kSoftkeyMenu, true);
        return IDOK;
    });
    EXPECT_TRUE(bar.IsSoftkeyMode());
    EXPECT_EQ(bar.ButtonTexts(), (std::vector<std::string>{"Undo", "Menu"}));
    EXPECT_EQ(main.preferences().softkeyMenu, 1);

    // Unchanged, the bar is left as it is.
    const int builds = bar.BuildCount();
    runOptions([](OptionsContent&, DialogFrame&) { return IDOK; });
    EXPECT_EQ(bar.BuildCount(), builds);
}

TEST_F(OptionsDialog, HelpShowsThePageOnDisplaysHelpAndGivesTheSoftkeysBack)
{
    openKlondike();
    popupAnswer = ids::kCmdDialogHelp;
    std::vector<std::string> softkeysAfterHelp;
    runOptions([&](OptionsContent& options, DialogFrame& frame) {
        frame.MenuBar()->PressButton(1);  // Menu, then Help
        processEvents();
        softkeysAfterHelp = frame.MenuBar()->ButtonTexts();
        options.SelectPage(1);
        frame.Command(IDHELP);
        return IDCANCEL;
    });
    EXPECT_EQ(popupCommands, (std::vector<int>{ids::kCmdDialogHelp, ids::kCmdCancel}));
    ASSERT_EQ(helpTexts.size(), 2u);
    EXPECT_EQ(helpTexts[0], LoadWideString(ids::kStrHelpGameOptions));
    EXPECT_EQ(helpTexts[1], LoadWideString(ids::kStrHelpInterface));
    std::vector<std::string> helpTitles;
    for (const Seen& request : seen)
        if (request.contentTemplate == kHtmlViewContent)
            helpTitles.push_back(request.text);
    EXPECT_EQ(helpTitles, (std::vector<std::string>{"Help", "Help"}));
    EXPECT_EQ(softkeysAfterHelp, (std::vector<std::string>{"OK", "Menu"}));
}

TEST_F(OptionsDialog, AStoredLimitOutsideTheListLeavesItEmptyAndReadsAsTenMinutes)
{
    MainWindow& main = openKlondike(true, 3);
    main.preferences().timeLimit = 7;
    runOptions([](OptionsContent& options, DialogFrame&) {
        EXPECT_EQ(options.GamePage().Selection(ctl::kTimeLimit), -1);
        return IDOK;
    });
    EXPECT_EQ(main.preferences().timeLimit, 10u);
}

TEST_F(OptionsDialog, BetweenTheExactScalesTheMenuStyleIsNotOffered)
{
    setScreenMetrics(ScreenMetrics{144, 144, BuildConfiguration::standard});
    MainWindow& main = openKlondike();
    ASSERT_EQ(main.preferences().softkeyMenu, 1);
    runOptions([](OptionsContent& options, DialogFrame&) {
        InterfaceOptionsPage& page = options.InterfacePage();
        EXPECT_FALSE(page.IsControlVisible(ctl::kSoftkeyMenu));
        EXPECT_EQ(page.ControlRect(ctl::kCardBack), Rect::fromSize(120, 38, 26, 35));
        page.SetCheck(ctl::kSoftkeyMenu, false);
        return IDOK;
    });
    EXPECT_EQ(main.preferences().softkeyMenu, 1);
    EXPECT_TRUE(main.menuBar()->IsSoftkeyMode());
}

}  // namespace
}  // namespace velmora::testing
