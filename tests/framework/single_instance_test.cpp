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

TEST_F(SingleInstanceTest, TheNameCarriesTheClassAndTheUser)
{
    const SingleInstance instance("TheWnd:VelmoraTrelkMainWindow");
    EXPECT_EQ(instance.serverName(), "TheWnd:VelmoraTrelkMainWindow-" + std::to_string(::getuid()));
}

TEST_F(SingleInstanceTest, ASecondInstanceRaisesTheFirstInsteadOfListening)
{
    const std::string name = uniqueClassName("Raise");
    SingleInstance first(name);
    SingleInstance second(name);
    EXPECT_FALSE(second.notifyRunningInstance(200)) << "nobody runs yet";

    int raised = 0;
    ASSERT_TRUE(first.listen([&] { ++raised; }));
    EXPECT_TRUE(first.isListening());
    EXPECT_FALSE(second.listen([] {})) << "the name is taken by a live instance";
    EXPECT_EQ(raised, 0) << "looking for a live instance is no request";

    ASSERT_TRUE(second.notifyRunningInstance());
    for (int i = 0; i < 100 && raised == 0; ++i)
        processEventsFor(10);
    EXPECT_EQ(raised, 1);
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
    EXPECT_TRUE(instance.listen([] {}));
}

TEST_F(SingleInstanceTest, ARaiseRequestBringsTheWindowBack)
{
    const std::string name = uniqueClassName("Window");
    RecordingWindow window;
    ASSERT_TRUE(window.Create(testWindowClass(), "Velmora", nullptr));
    window.Hide();
    SingleInstance running(name);
    ASSERT_TRUE(running.listen(window));
    ASSERT_TRUE(SingleInstance(name).notifyRunningInstance());
    for (int i = 0; i < 100 && !window.IsVisible(); ++i)
        processEventsFor(10);
    EXPECT_TRUE(window.IsVisible());
}

}  // namespace
}  // namespace velmora::testing
