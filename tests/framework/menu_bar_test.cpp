#include <gtest/gtest.h>

#include "gui_fixture.h"
#include "menu_bar.h"
#include "resource_ids.h"
#include "surface.h"

namespace velmora::testing {
namespace {

class MenuBarTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        // A toolbar strip of four 16 x 16 images.
        BitmapData strip{64, 16, std::vector<std::uint32_t>(64 * 16, 0x336699)};
        resources.add(kBitmapType, ids::kToolbarStandard, encodeBitmap(strip));
        ASSERT_TRUE(owner.Create(testWindowClass(), "Velmora", nullptr, Rect::fromSize(0, 0, 240, 320)));
        owner.log.clear();
    }

    MenuBarConfig mainWindowBars(bool softkeys) const
    {
        return MenuBarConfig{ids::kBarMainIcons, ids::kBarMainSoftkeys, ids::kToolbarStandard,
                             ids::kToolbarImageCount, softkeys};
    }

    // The owner's menu-loop messages and commands, in order.
    std::vector<std::string> menuTraffic() const
    {
        std::vector<std::string> traffic;
        for (const Message& message : owner.others) {
            if (message.id == WM_ENTERMENULOOP)
                traffic.push_back("enter");
            else if (message.id == WM_EXITMENULOOP)
                traffic.push_back("exit");
        }
        return traffic;
    }

    RecordingWindow owner;
};

TEST_F(MenuBarTest, TheBarTakesItsStripOffTheBottomOfTheOwner)
{
    CMenuBar bar;
    ASSERT_TRUE(bar.Create(owner, mainWindowBars(true)));
    ASSERT_NE(bar.GetWindow(), nullptr);
    EXPECT_EQ(bar.Height(), 26);
    EXPECT_EQ(bar.GetWindow()->WindowRect(), (Rect{0, 294, 240, 320}));
    EXPECT_EQ(owner.ClientRect(), (Rect{0, 0, 240, 294}));
    EXPECT_EQ(owner.MenuBar(), &bar);

    owner.SetWindowRect(Rect::fromSize(0, 0, 320, 240));  // turned to landscape
    processEvents();
    EXPECT_EQ(bar.GetWindow()->WindowRect(), (Rect{0, 214, 320, 240}));
    EXPECT_NE(std::find(owner.log.begin(), owner.log.end(), "size 320x214"), owner.log.end());

    bar.DestroyBar();
    EXPECT_EQ(owner.MenuBar(), nullptr);
    EXPECT_EQ(owner.ClientRect(), (Rect{0, 0, 320, 240}));
}

TEST_F(MenuBarTest, SoftkeyAndIconModesShowTheirResourcesAndRebuildOnlyOnARealChange)
{
    CMenuBar bar;
    ASSERT_TRUE(bar.Create(owner, mainWindowBars(false)));
    EXPECT_FALSE(bar.IsSoftkeyMode());
    EXPECT_EQ(bar.ButtonTexts(), (std::vector<std::string>{"", "", "|", "", "|", ""}));
    EXPECT_EQ(bar.BuildCount(), 1);

    EXPECT_TRUE(bar.SetSoftkeyMode(false));
    EXPECT_EQ(bar.BuildCount(), 1) << "the same mode keeps the bar";
    EXPECT_TRUE(bar.SetSoftkeyMode(true));
    EXPECT_EQ(bar.BuildCount(), 2);
    EXPECT_TRUE(bar.IsSoftkeyMode());
    EXPECT_EQ(bar.ButtonTexts(), (std::vector<std::string>{"Undo", "Menu"}));
    processEvents();
    EXPECT_EQ(owner.ClientRect().height(), 294);
}

TEST_F(MenuBarTest, ButtonsSendTheirCommandsToTheOwner)
{
    CMenuBar bar;
    ASSERT_TRUE(bar.Create(owner, mainWindowBars(false)));
    EXPECT_TRUE(bar.PressButton(0));
    EXPECT_TRUE(bar.PressButton(1));
    EXPECT_FALSE(bar.PressButton(2)) << "a separator";
    EXPECT_TRUE(bar.PressButton(3));
    EXPECT_FALSE(bar.PressButton(6));
    EXPECT_EQ(owner.log, (std::vector<std::string>{"command 40002", "command 40003", "command 40001"}));
}

TEST_F(MenuBarTest, TheMenuButtonRunsItsPopupInsideTheMenuLoopMessages)
{
    CMenuBar bar;
    ASSERT_TRUE(bar.Create(owner, mainWindowBars(true)));
    std::vector<ModalRequest> asked;
    ScopedModalAnswerer answerer([&](const ModalRequest& request) {
        asked.push_back(request);
        EXPECT_EQ(menuTraffic(), std::vector<std::string>{"enter"}) << "the popup opens inside the menu loop";
        return std::optional<int>(ids::kCmdStatistics);
    });
    EXPECT_TRUE(bar.PressButton(1));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].kind, ModalKind::popupMenu);
    EXPECT_EQ(asked[0].resourceId, ids::kMenuSoftkey);
    EXPECT_EQ(asked[0].commands.size(), 9u);
    EXPECT_EQ(menuTraffic(), (std::vector<std::string>{"enter", "exit"}));
    EXPECT_EQ(owner.log, std::vector<std::string>{"command 40018"});
}

TEST_F(MenuBarTest, ADismissedPopupOrOneAnsweredWithAForeignCommandSendsNothing)
{
    ScopedModalAnswerer answerer([](const ModalRequest& request) {
        EXPECT_EQ(request.kind, ModalKind::popupMenu);
        return std::optional<int>(0);
    });
    EXPECT_EQ(TrackPopupMenu(owner, ids::kMenuLoss, Point{0, 0}), 0);
    setModalAnswerer([](const ModalRequest&) { return std::optional<int>(ids::kCmdAbout); });
    EXPECT_EQ(TrackPopupMenu(owner, ids::kMenuLoss, Point{0, 0}), 0) << "About is not in the loss menu";
    setModalAnswerer([](const ModalRequest&) { return std::optional<int>(ids::kCmdUndo); });
    EXPECT_EQ(TrackPopupMenu(owner, ids::kMenuLoss, Point{0, 0}), ids::kCmdUndo);
    EXPECT_EQ(TrackPopupMenu(owner, 9999, Point{0, 0}), 0);
    EXPECT_EQ(owner.log, std::vector<std::string>{"command 40002"});
    EXPECT_EQ(menuTraffic(), (std::vector<std::string>{"enter", "exit", "enter", "exit", "enter", "exit"}));
}

TEST_F(MenuBarTest, AMissingResourceFailsCreationAndLeavesASwitchUndone)
{
    CMenuBar bar;
    EXPECT_FALSE(bar.Create(owner, MenuBarConfig{ids::kBarMainIcons, 9999, 0, 0, true}));
    EXPECT_EQ(bar.GetWindow(), nullptr);
    EXPECT_EQ(owner.MenuBar(), nullptr);

    ASSERT_TRUE(bar.Create(owner, MenuBarConfig{ids::kBarMainIcons, 9999, 0, 0, false}));
    EXPECT_FALSE(bar.SetSoftkeyMode(true));
    EXPECT_FALSE(bar.IsSoftkeyMode());
    EXPECT_NE(bar.GetWindow(), nullptr);

    CeWnd noWindow;
    EXPECT_FALSE(bar.Create(noWindow, mainWindowBars(true)));
}

TEST_F(MenuBarTest, ACommandThatSwitchesTheBarFromItsOwnButtonIsSafe)
{
    // The Options dialog switches the bar while a click on it is in progress.
    class SwitchingOwner : public CeWnd {
    public:
        CMenuBar bar;

    protected:
        bool OnCommand(int id) override
        {
            if (id == ids::kCmdUndo)
                bar.SetSoftkeyMode(!bar.IsSoftkeyMode());
            return true;
        }
    } window;
    ASSERT_TRUE(window.Create(testWindowClass(), "", nullptr));
    ASSERT_TRUE(window.bar.Create(window, mainWindowBars(true)));
    EXPECT_TRUE(window.bar.PressButton(0));
    processEvents();
    EXPECT_FALSE(window.bar.IsSoftkeyMode());
    EXPECT_TRUE(window.bar.PressButton(0));
    processEvents();
    EXPECT_TRUE(window.bar.IsSoftkeyMode());
    EXPECT_EQ(window.bar.BuildCount(), 3);
}

}  // namespace
}  // namespace velmora::testing
