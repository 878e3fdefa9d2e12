#include <gtest/gtest.h>

#include <regex>
#include <stdexcept>

#include "common_dialogs.h"
#include "dialog.h"
#include "gui_fixture.h"

namespace velmora::testing {
namespace {

// Throws from whichever handler the test asks for.
class FaultyWindow : public CeWnd {
public:
    bool throwOnCreate = false;

protected:
    bool OnCreate() override
    {
        if (throwOnCreate)
            throw std::runtime_error("create");
        return true;
    }
    bool OnCommand(int) override { throw std::bad_alloc(); }
    void OnTimer(unsigned) override
    {
        KillTimer(1);
        throw std::runtime_error("timer");
    }
    std::optional<LResult> OnMessage(const Message& message) override
    {
        if (message.id == WM_USER)
            throw 42;  // not even a std::exception
        return std::nullopt;
    }
};

class SoftwareErrorTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        setModalAnswerer([this](const ModalRequest& request) {
            boxes.push_back(request);
            return std::optional<int>(IDOK);
        });
    }

    // The one box shown so far was the Software Error box for title.
    void expectOneErrorBoxFor(const std::string& title)
    {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].kind, ModalKind::messageBox);
        EXPECT_EQ(boxes[0].caption, "Software Error");
        EXPECT_EQ(boxes[0].style, mb::ok | mb::iconError);
        const std::regex expected(title + " at [0-2][0-9]:[0-5][0-9]:[0-5][0-9] had an internal crash\\. Now closing program\\.");
        EXPECT_TRUE(std::regex_match(boxes[0].text, expected)) << boxes[0].text;
        EXPECT_EQ(exitCodes, std::vector<int>{1});
    }

    std::vector<ModalRequest> boxes;
};

TEST_F(SoftwareErrorTest, AnExceptionFromASentMessageShowsTheBoxAndEndsTheProgram)
{
    FaultyWindow window;
    ASSERT_TRUE(window.Create(testWindowClass(), "Klondike", nullptr));
    EXPECT_EQ(window.SendMessage(WM_COMMAND, 40005), 0);
    expectOneErrorBoxFor("Klondike");
}

TEST_F(SoftwareErrorTest, PostedMessagesAndTimersAreGuardedToo)
{
    FaultyWindow window;
    ASSERT_TRUE(window.Create(testWindowClass(), "Klondike", nullptr));
    window.PostMessage(WM_USER);
    processEvents();
    expectOneErrorBoxFor("Klondike");

    boxes.clear();
    exitCodes.clear();
    window.SetTimer(1, 5);
    processEventsFor(50);
    expectOneErrorBoxFor("Klondike");
}

TEST_F(SoftwareErrorTest, AChildWithoutTitleIsNamedByItsTopLevelWindow)
{
    RecordingWindow main;
    FaultyWindow child;
    ASSERT_TRUE(main.Create(testWindowClass(), "Velmora", nullptr));
    ASSERT_TRUE(child.Create(testWindowClass(), "", &main));
    child.SendMessage(WM_COMMAND, 1);
    expectOneErrorBoxFor("Velmora");
    EXPECT_EQ(softwareErrorText(nullptr).rfind("No Window at ", 0), 0u);
}

TEST_F(SoftwareErrorTest, AFaultDuringCreationFailsTheCreation)
{
    FaultyWindow window;
    window.throwOnCreate = true;
    EXPECT_FALSE(window.Create(testWindowClass(), "Velmora", nullptr));
    EXPECT_FALSE(window.IsCreated());
    expectOneErrorBoxFor("Velmora");
}

TEST_F(SoftwareErrorTest, AFaultInADialogHandlerEndsTheProgramFromInsideTheDialog)
{
    RecordingWindow owner;
    ASSERT_TRUE(owner.Create(testWindowClass(), "Velmora", nullptr));
    class FaultyDialog : public CeDialog {
    public:
        FaultyDialog() : CeDialog(0) {}

    protected:
        bool OnCommand(int id) override
        {
            if (id == 40010)
                throw std::runtime_error("clear");
            return CeDialog::OnCommand(id);
        }
    } dialog;
    setModalAnswerer([this](const ModalRequest& request) {
        boxes.push_back(request);
        return std::optional<int>(request.kind == ModalKind::dialog && request.attempt == 0 ? 40010 : IDOK);
    });
    EXPECT_EQ(dialog.DoModal(&owner), IDOK);
    ASSERT_EQ(boxes.size(), 3u);  // the dialog, the error box, the dialog again
    EXPECT_EQ(boxes[1].caption, "Software Error");
    EXPECT_EQ(exitCodes, std::vector<int>{1});
}

}  // namespace
}  // namespace velmora::testing
