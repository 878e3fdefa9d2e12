#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "gui_fixture.h"
#include "single_instance.h"

namespace velmora::testing {
namespace {

// A class name of this test process only, so that a running program or a
// parallel test never answers.
std::string uniqueClassName(const char* what)
{
    return "TheWnd:VelmoraTest" + std::string(what) + "-" + std::to_string(::getpid());
}

using SingleInstanceTest = GuiTest;

TEST_F(SingleInstanceTest, TheNameCarriesTheClassTheUserAndTheDisplay)
{
    const std::string user = std::to_string(::getuid());
    EXPECT_EQ(SingleInstance("TheWnd:VelmoraTrelkMainWindow", ":1").serverName(),
              "TheWnd:VelmoraTrelkMainWindow-" + user + "@:1");
    // These tests show no window anywhere: they never meet a real program.
    EXPECT_EQ(currentDisplayName(), "offscreen");
    EXPECT_EQ(SingleInstance("TheWnd:VelmoraTrelkMainWindow").serverName(),
              "TheWnd:VelmoraTrelkMainWindow-" + user + "@offscreen");
}

TEST_F(SingleInstanceTest, ASecondInstanceRaisesTheFirstInsteadOfListening)
{
    const std::string name = uniqueClassName("Raise");
    SingleInstance first(name);
    SingleInstance second(name);
    EXPECT_FALSE(second.notifyRunningInstance(200)) << "nobody runs yet";

    int raised = 0;
    ASSERT_TRUE(first.listen([&] {
        ++raised;
        return true;
    }));
    EXPECT_TRUE(first.isListening());
    EXPECT_FALSE(second.listen([] { return true; })) << "the name is taken by a live instance";
    EXPECT_EQ(raised, 0) << "looking for a live instance is no request";

    // The answer comes back before the second start decides.
    EXPECT_TRUE(second.notifyRunningInstance());
    EXPECT_EQ(raised, 1);
}

TEST_F(SingleInstanceTest, InstancesOnOtherDisplaysDoNotSeeEachOther)
{
    const std::string name = uniqueClassName("Displays");
    SingleInstance onFirst(name, ":1");
    ASSERT_TRUE(onFirst.listen([] { return true; }));
    SingleInstance onSecond(name, ":2");
    EXPECT_FALSE(onSecond.notifyRunningInstance(200));
    EXPECT_TRUE(onSecond.listen([] { return true; }));
}

// The first instance's window is gone but its socket still answers, then it
// goes: the second start waits for that and starts.
TEST_F(SingleInstanceTest, AStartThatMeetsAClosingInstanceWaitsForItToGoAndStarts)
{
    const std::string name = uniqueClassName("Closing");
    auto closing = std::make_unique<SingleInstance>(name);
    int requests = 0;
    ASSERT_TRUE(closing->listen([&] {
        if (++requests == 3)
            whenLoopRuns([&] { closing.reset(); });
        return false;
    }));
    SingleInstance next(name);
    EXPECT_FALSE(next.notifyRunningInstance(1000, 10000)) << "the closing instance sent it away";
    EXPECT_EQ(requests, 3) << "asked until the closing instance went";
    EXPECT_FALSE(closing);
    EXPECT_TRUE(next.listen([] { return true; }));
}

// A socket that takes connections but never answers: the start waits as
// long as it may, then starts.
TEST_F(SingleInstanceTest, AnInstanceThatNeverAnswersIsWaitedForOnlySoLong)
{
    const std::string path = SingleInstance(uniqueClassName("Silent")).socketPath();
    std::filesystem::remove(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(fd, 8), 0);
    EXPECT_FALSE(SingleInstance(uniqueClassName("Silent")).notifyRunningInstance(20, 100));
    ::close(fd);
    std::filesystem::remove(path);
}

TEST_F(SingleInstanceTest, ASocketLeftByACrashedInstanceIsTakenOver)
{
    const std::string name = uniqueClassName("Stale");
    SingleInstance instance(name);
    const std::string path = instance.socketPath();
    std::filesystem::remove(path);

    // Bind a socket file and close it without listening, as a crash would leave it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(std::filesystem::exists(path));

    EXPECT_FALSE(instance.notifyRunningInstance(200));
    EXPECT_TRUE(instance.listen([] { return true; }));
}

TEST_F(SingleInstanceTest, ARaiseRequestBringsTheWindowBackWhileItExists)
{
    const std::string name = uniqueClassName("Window");
    RecordingWindow window;
    ASSERT_TRUE(window.Create(testWindowClass(), "Velmora", nullptr));
    window.Hide();
    SingleInstance running(name);
    ASSERT_TRUE(running.listen(window));
    ASSERT_TRUE(SingleInstance(name).notifyRunningInstance());
    EXPECT_TRUE(window.IsVisible());

    // Once the window is destroyed the instance is closing: a start waits
    // for it (here only briefly, since it never goes) and starts.
    window.Destroy();
    EXPECT_FALSE(SingleInstance(name).notifyRunningInstance(200, 100));
}

}  // namespace
}  // namespace velmora::testing
