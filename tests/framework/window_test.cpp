#include <gtest/gtest.h>

#include <stdexcept>

#include "common_dialogs.h"
#include "gui_fixture.h"
#include "messages.h"

namespace velmora::testing {
namespace {

constexpr MessageId kPrivateMessage = WM_USER + 7;

using WindowTest = GuiTest;

TEST_F(WindowTest, SentMessagesRunAtOnceAndPostedOnesWaitForTheQueueInOrder)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(testWindowClass(), "Velmora", nullptr));

    EXPECT_EQ(window.SendMessage(kPrivateMessage, 1, 2), 0);
    ASSERT_EQ(window.others.size(), 1u);
    EXPECT_EQ(window.others[0].wParam, 1u);
    EXPECT_EQ(window.others[0].lParam, 2);

    window.others.clear();
    EXPECT_TRUE(window.PostMessage(kPrivateMessage, 10));
    EXPECT_TRUE(window.PostMessage(kPrivateMessage, 11));
    window.SendMessage(kPrivateMessage, 12);
    ASSERT_EQ(window.others.size(), 1u) << "posted messages must not run before the queue does";
    processEvents();
    std::vector<WParam> privateOnes;
    for (const Message& message : window.others) {
        if (message.id == kPrivateMessage)
            privateOnes.push_back(message.wParam);
    }
    EXPECT_EQ(privateOnes, (std::vector<WParam>{12, 10, 11}));
}

TEST_F(WindowTest, TopLevelWindowsHearOfTheirActivationAndDeactivation)
{
    RecordingWindow first;
    RecordingWindow second;
    ASSERT_TRUE(first.Create(testWindowClass(), "first", nullptr));
    first.BringToFront();
    processEvents();
    first.others.clear();
    ASSERT_TRUE(second.Create(testWindowClass(), "second", nullptr));
    second.BringToFront();
    processEvents();
    const auto activations = [](const RecordingWindow& window) {
        std::vector<WParam> states;
        for (const Message& message : window.others) {
            if (message.id == WM_ACTIVATE)
                states.push_back(message.wParam);
        }
        return states;
    };
    EXPECT_EQ(activations(first), std::vector<WParam>{WA_INACTIVE});
    EXPECT_EQ(activations(second), std::vector<WParam>{WA_ACTIVE});
}

TEST_F(WindowTest, RoutedMessagesReachTheirHandlers)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(testWindowClass(), "Velmora", nullptr));
    window.log.clear();
    window.SendMessage(WM_COMMAND, 40011);
    window.SendMessage(WM_TIMER, 3);
    window.SendMessage(WM_SIZE, 0, makePointParam(200, 300));
    EXPECT_EQ(window.log, (std::vector<std::string>{"command 40011", "timer 3", "size 200x300"}));
    EXPECT_TRUE(window.others.empty());
}

class HandlerAnswers : public CeWnd {
protected:
    std::optional<LResult> OnMessage(const Message& message) override
    {
        if (message.id == WM_SOL_CHECKEND)
            return 42;
        return std::nullopt;
    }
};

TEST_F(WindowTest, ASentMessageReturnsTheHandlersResultAndNothingWithoutAWindow)
{
    HandlerAnswers window;
    EXPECT_EQ(window.SendMessage(WM_SOL_CHECKEND), 0) << "no window yet";
    EXPECT_FALSE(window.PostMessage(WM_SOL_CHECKEND));
    ASSERT_TRUE(window.Create(testWindowClass(), "", nullptr));
    EXPECT_EQ(window.SendMessage(WM_SOL_CHECKEND), 42);
    EXPECT_EQ(window.SendMessage(WM_SOL_SELECT), 0);
}

TEST_F(WindowTest, AMessagePostedToAWindowDestroyedBeforeDeliveryIsDropped)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(testWindowClass(), "", nullptr));
    window.PostMessage(kPrivateMessage);
    window.Destroy();
    processEvents();
    EXPECT_TRUE(window.others.empty());
}

TEST_F(WindowTest, TimersFireWithTheirIdsUntilKilledAndRestartWithANewPeriod)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(testWindowClass(), "", nullptr));
    window.log.clear();
    ASSERT_TRUE(window.SetTimer(1, 10));
    ASSERT_TRUE(window.SetTimer(7, 10));
    processEventsFor(120);
    const auto count = [&](const std::string& entry) { return std::count(window.log.begin(), window.log.end(), entry); };
    EXPECT_GE(count("timer 1"), 3);
    EXPECT_GE(count("timer 7"), 3);

    EXPECT_TRUE(window.KillTimer(7));
    EXPECT_FALSE(window.KillTimer(7));
    ASSERT_TRUE(window.SetTimer(1, 100000));  // same id: restarted, not doubled
    window.log.clear();
    processEventsFor(80);
    EXPECT_EQ(count("timer 7"), 0);
    EXPECT_EQ(count("timer 1"), 0);
}

TEST_F(WindowTest, CreationRunsOnCreateAndARefusalLeavesNoWindow)
{
    RecordingWindow refused;
    refused.refuseCreate = true;
    EXPECT_FALSE(refused.Create(testWindowClass(), "", nullptr));
    EXPECT_FALSE(refused.IsCreated());
    EXPECT_EQ(refused.log, std::vector<std::string>{"create"}) << "no OnDestroy for a refused window";

    RecordingWindow unknownClass;
    EXPECT_FALSE(unknownClass.Create("NoSuchClass", "", nullptr));
    EXPECT_TRUE(unknownClass.log.empty());
}

// Logs its destruction into a shared list, to check the order.
class OrderedWindow : public CeWnd {
public:
    OrderedWindow(std::string name, std::vector<std::string>& order) : name_(std::move(name)), order_(order) {}

protected:
    void OnDestroy() override { order_.push_back(name_); }

private:
    std::string name_;
    std::vector<std::string>& order_;
};

TEST_F(WindowTest, DestroyingAWindowDestroysItsChildrenFirst)
{
    std::vector<std::string> order;
    OrderedWindow parent("parent", order);
    OrderedWindow child("child", order);
    OrderedWindow grandchild("grandchild", order);
    ASSERT_TRUE(parent.Create(testWindowClass(), "Velmora", nullptr));
    ASSERT_TRUE(child.Create(testWindowClass(), "", &parent));
    ASSERT_TRUE(grandchild.Create(testWindowClass(), "", &child));
    parent.Destroy();
    EXPECT_EQ(order, (std::vector<std::string>{"grandchild", "child", "parent"}));
    EXPECT_FALSE(child.IsCreated());
    EXPECT_FALSE(grandchild.IsCreated());
}

TEST_F(WindowTest, AChildCoversItsParentsClientAreaInDevicePixels)
{
    RecordingWindow parent;
    RecordingWindow child;
    ASSERT_TRUE(parent.Create(testWindowClass(), "Velmora", nullptr, Rect::fromSize(0, 0, 240, 320)));
    EXPECT_EQ(parent.ClientRect(), (Rect{0, 0, 240, 320}));
    ASSERT_TRUE(child.Create(testWindowClass(), "", &parent));
    EXPECT_EQ(child.WindowRect(), (Rect{0, 0, 240, 320}));
    processEvents();
    EXPECT_NE(std::find(child.log.begin(), child.log.end(), "size 240x320"), child.log.end());
}

TEST_F(WindowTest, ClassesAreRegisteredWithThePrefixAndFoundByName)
{
    EXPECT_EQ(RegisterWindowClass(WindowClass{"VelmoraTrelkMainWindow"}), "TheWnd:VelmoraTrelkMainWindow");
    EXPECT_TRUE(IsWindowClassRegistered("VelmoraTrelkMainWindow"));
    EXPECT_EQ(FindWindowByClass("VelmoraTrelkMainWindow"), nullptr);
    RecordingWindow window;
    ASSERT_TRUE(window.Create("VelmoraTrelkMainWindow", "Velmora", nullptr));
    EXPECT_EQ(FindWindowByClass("VelmoraTrelkMainWindow"), &window);
    window.Destroy();
    EXPECT_EQ(FindWindowByClass("VelmoraTrelkMainWindow"), nullptr);
}

// Records pointer events and takes the capture on a press, as the game
// field does.
class PointerWindow : public CeWnd {
public:
    std::vector<std::pair<std::string, Point>> events;
    bool capture = false;
    bool handleKeys = false;
    std::vector<int> keys;

protected:
    bool OnLButtonDown(Point point) override
    {
        events.emplace_back("down", point);
        if (capture)
            SetCapture();
        return true;
    }
    bool OnMouseMove(Point point) override
    {
        events.emplace_back("move", point);
        return false;
    }
    bool OnLButtonUp(Point point) override
    {
        events.emplace_back("up", point);
        ReleaseCapture();
        return true;
    }
    bool OnKeyDown(int key) override
    {
        keys.push_back(key);
        return handleKeys;
    }
};

TEST_F(WindowTest, PointerEventsArriveInClientCoordinatesAndFollowTheCapture)
{
    PointerWindow parent;
    PointerWindow child;
    PointerWindow other;
    ASSERT_TRUE(parent.Create(testWindowClass(), "Velmora", nullptr, Rect::fromSize(0, 0, 240, 320)));
    ASSERT_TRUE(child.Create(testWindowClass(), "", &parent, Rect::fromSize(20, 30, 100, 100)));
    ASSERT_TRUE(other.Create(testWindowClass(), "", &parent, Rect::fromSize(150, 30, 50, 50)));
    child.capture = true;

    pointerDown(child, Point{5, 6});
    pointerMove(other, Point{10, 10});  // lands on another window while captured
    pointerUp(other, Point{11, 12});
    ASSERT_EQ(child.events.size(), 3u);
    EXPECT_EQ(child.events[0], std::make_pair(std::string("down"), Point{5, 6}));
    EXPECT_EQ(child.events[1], std::make_pair(std::string("move"), Point{140, 10}));
    EXPECT_EQ(child.events[2], std::make_pair(std::string("up"), Point{141, 12}));
    EXPECT_TRUE(other.events.empty());
    EXPECT_FALSE(child.HasCapture());

    pointerDown(other, Point{1, 2});
    EXPECT_EQ(other.events.size(), 1u) << "without capture the event stays where it landed";
    EXPECT_TRUE(parent.events.empty()) << "pointer events never travel to the parent";
}

TEST_F(WindowTest, KeysAChildDoesNotTakeGoToItsParent)
{
    PointerWindow parent;
    PointerWindow child;
    ASSERT_TRUE(parent.Create(testWindowClass(), "Velmora", nullptr));
    ASSERT_TRUE(child.Create(testWindowClass(), "", &parent));
    keyPress(child, VK_LEFT);
    EXPECT_EQ(child.keys, std::vector<int>{VK_LEFT});
    EXPECT_EQ(parent.keys, std::vector<int>{VK_LEFT});

    child.handleKeys = true;
    keyPress(child, VK_RETURN);
    EXPECT_EQ(parent.keys, std::vector<int>{VK_LEFT});
}

TEST_F(WindowTest, TheAcceleratorTableSendsItsCommandUnlessAModalRunIsOn)
{
    RecordingWindow window;
    PointerWindow child;
    ASSERT_TRUE(window.Create(testWindowClass(), "Velmora", nullptr));
    ASSERT_TRUE(child.Create(testWindowClass(), "", &window));
    ASSERT_TRUE(window.LoadAccelerators(2));
    EXPECT_FALSE(window.LoadAccelerators(99));
    window.log.clear();

    keyPress(child, 'A', /*control=*/true);
    EXPECT_EQ(window.log, std::vector<std::string>{"command 40011"});
    EXPECT_TRUE(child.keys.empty()) << "a translated key is not seen as a key press";

    keyPress(child, 'A');
    EXPECT_EQ(window.log.size(), 1u) << "plain A is no accelerator";

    // While a message box is up, the main loop does not translate keys.
    ScopedModalAnswerer answerer([&](const ModalRequest&) {
        keyPress(child, 'A', true);
        return std::optional<int>(IDOK);
    });
    MessageBox(&window, "text", "caption", 0);
    EXPECT_EQ(window.log.size(), 1u);
}

TEST_F(WindowTest, TheDefaultCloseDestroysAndPaintFillsTheClassBackground)
{
    RegisterWindowClass(WindowClass{"VelmoraGreenWindow", 0x00FF00, 0});
    RecordingWindow window;
    ASSERT_TRUE(window.Create("VelmoraGreenWindow", "Velmora", nullptr, Rect::fromSize(0, 0, 40, 30)));
    const Surface shown = grabClient(window);
    ASSERT_EQ(shown.Width(), 40);
    EXPECT_EQ(shown.Pixel(20, 15), 0x00FF00u);
    window.SendMessage(WM_CLOSE);
    EXPECT_FALSE(window.IsCreated());
    EXPECT_EQ(window.log.back(), "destroy");
}

}  // namespace
}  // namespace velmora::testing
