// Shared set-up of the framework's GUI tests: the application on the
// offscreen platform, the program's text resources, 96-dpi metrics, and a
// terminator that records instead of ending the test process.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "application.h"
#include "modal_answerer.h"
#include "resource_table.h"
#include "resources.h"
#include "screen.h"
#include "test_driver.h"
#include "text_resources.h"
#include "window.h"

namespace velmora::testing {

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        addTextResources(resources);
        setProgramResources(&resources);
        setScreenMetrics(ScreenMetrics{96, 96, BuildConfiguration::standard});
        setProgramTerminator([this](int code) { exitCodes.push_back(code); });
    }

    void TearDown() override
    {
        setModalAnswerer({});
        setProgramTerminator({});
        processEvents();
        setProgramResources(nullptr);
    }

    ResourceTable resources;
    std::vector<int> exitCodes;  // what the Software Error path would have ended with
};

// A window that records the messages its handlers saw, in order.
class RecordingWindow : public CeWnd {
public:
    std::vector<std::string> log;
    std::vector<Message> others;
    bool refuseCreate = false;

protected:
    bool OnCreate() override
    {
        log.push_back("create");
        return !refuseCreate;
    }
    void OnDestroy() override { log.push_back("destroy"); }
    void OnSize(int width, int height) override
    {
        log.push_back("size " + std::to_string(width) + "x" + std::to_string(height));
    }
    void OnTimer(unsigned id) override { log.push_back("timer " + std::to_string(id)); }
    bool OnCommand(int id) override
    {
        log.push_back("command " + std::to_string(id));
        return true;
    }
    std::optional<LResult> OnMessage(const Message& message) override
    {
        others.push_back(message);
        return std::nullopt;
    }
};

// Registers the class the tests' windows use.
inline const char* testWindowClass()
{
    RegisterWindowClass(WindowClass{"VelmoraTestWindow", 0xFFFFFF, 0});
    return "VelmoraTestWindow";
}

}  // namespace velmora::testing
