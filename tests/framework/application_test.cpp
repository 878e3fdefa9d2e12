// The quit message: it ends the message loop, and one handled while no loop
// runs waits for the next loop instead of cutting short a modal run.
#include <gtest/gtest.h>

#include "common_dialogs.h"
#include "gui_fixture.h"
#include "messages.h"

namespace velmora::testing {
namespace {

using ApplicationTest = GuiTest;

TEST_F(ApplicationTest, AQuitHandledOutsideEveryLoopLeavesModalRunsAloneAndEndsTheNextRun)
{
    RecordingWindow owner;
    ASSERT_TRUE(owner.Create(testWindowClass(), "Velmora", nullptr, Rect::fromSize(0, 0, 240, 320)));
    PostQuitMessage(3);
    processEvents();  // the quit is handled here, with no loop running

    // A modal run still waits for its answer.
    whenLoopRuns([] { keyPressModalBox(VK_RETURN); });
    EXPECT_EQ(ChooseColour(&owner, 0x123456), std::optional<Colour>(0x123456));

    EXPECT_EQ(Application::Run(), 3);
    // A quit handled inside the loop ends it with its code.
    whenLoopRuns([] { PostQuitMessage(5); });
    EXPECT_EQ(Application::Run(), 5);
}

}  // namespace
}  // namespace velmora::testing
