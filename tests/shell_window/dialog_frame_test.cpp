// The frame every dialog shares: content placed under the title, scrolling
// when the content is taller than the page, commands routed to the content,
// and the owner told when the dialog has closed.
#include <gtest/gtest.h>

#include "dialog_frame.h"
#include "main_window_fixture.h"
#include "resource_formats.h"
#include "resource_ids.h"
#include "screen.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

constexpr int kTallTemplate = 9001;

class Recorder : public CeWnd {
public:
    std::vector<MessageId> messages;

protected:
    std::optional<LResult> OnMessage(const Message& message) override
    {
        messages.push_back(message.id);
        return 0;
    }
};

class ProbeContent : public DialogContent {
public:
    explicit ProbeContent(int templateId) : DialogContent(templateId) {}
    std::vector<int> commands;
    int sized = 0;
    bool refuseOk = false;

    bool ContentOK() override { return !refuseOk; }
    void ContentSized(int, int) override { ++sized; }

protected:
    bool OnCommand(int id) override
    {
        commands.push_back(id);
        return true;
    }
};

class DialogFrameTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        DialogTemplate tall;
        tall.width = 150;
        tall.height = 400;
        tall.controls.push_back(ControlTemplate{ControlKind::checkBox, 7001, "top", 5, 5, 100, 10});
        tall.controls.push_back(ControlTemplate{ControlKind::checkBox, 7002, "bottom", 5, 380, 100, 10});
        addDialog(resources, kTallTemplate, tall);
        RegisterWindowClass({"FrameOwner"});
        ASSERT_TRUE(owner.Create("FrameOwner", "Owner", nullptr, Rect{0, 0, 240, 320}));
    }
    void TearDown() override
    {
        owner.Destroy();
        MainWindowTest::TearDown();
    }

    Recorder owner;
};

TEST_F(DialogFrameTest, ContentTallerThanThePageScrollsAndAShortOneDoesNot)
{
    for (const int templateId : {kTallTemplate, static_cast<int>(ids::kDlgAbout)}) {
        ProbeContent content(templateId);
        bool scrolls = false;
        int contentTop = -1;
        answer = [&](const ModalRequest&, int) -> std::optional<int> {
            scrolls = content.HasScrollBar();
            contentTop = content.WindowRect().top;
            return IDOK;
        };
        DialogFrame frame(content, ids::kStrStatistics, ids::kBarClose);
        EXPECT_EQ(frame.Run(&owner), IDOK);
        EXPECT_EQ(scrolls, templateId == kTallTemplate) << templateId;
        EXPECT_EQ(contentTop, ScaleY(25)) << "directly under the title line";
        EXPECT_GE(content.sized, 1);
    }
}

TEST_F(DialogFrameTest, FocusOnAControlBelowThePageScrollsItIntoView)
{
    ProbeContent content(kTallTemplate);
    Rect seenAt;
    int pageHeight = 0;
    answer = [&](const ModalRequest&, int) -> std::optional<int> {
        content.FocusControl(7002);
        processEvents();
        seenAt = content.ControlRect(7002);
        pageHeight = content.ClientRect().bottom;
        return IDOK;
    };
    DialogFrame frame(content, ids::kStrStatistics, ids::kBarClose);
    frame.Run(&owner);
    EXPECT_GT(seenAt.bottom, 0);
    EXPECT_LE(seenAt.bottom, pageHeight);
}

TEST_F(DialogFrameTest, CommandsReachTheContentAndOkAsksItFirst)
{
    ProbeContent content(ids::kDlgAbout);
    content.refuseOk = true;
    int attempts = 0;
    answer = [&](const ModalRequest& request, int) -> std::optional<int> {
        ++attempts;
        if (request.attempt == 0) {
            request.dialog->Command(40010);
            return IDOK;  // refused by the content
        }
        content.refuseOk = false;
        return IDOK;
    };
    DialogFrame frame(content, 0, ids::kBarClose);
    EXPECT_EQ(frame.Run(&owner), IDOK);
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(content.commands, std::vector<int>{40010});
}

TEST_F(DialogFrameTest, TheOwnerHearsThatTheDialogClosed)
{
    ProbeContent content(ids::kDlgAbout);
    answer = [](const ModalRequest&, int) -> std::optional<int> { return IDCANCEL; };
    DialogFrame frame(content, ids::kStrAbout, ids::kBarClose);
    EXPECT_EQ(frame.Run(&owner), IDCANCEL);
    processEvents();
    EXPECT_EQ(std::count(owner.messages.begin(), owner.messages.end(), WM_SOL_MENUBAR), 1);
}

}  // namespace
}  // namespace velmora::testing
