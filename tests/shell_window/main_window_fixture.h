// The main window on Qt's offscreen platform with the program's real
// resources, a store in a temporary folder, a clock the test moves by hand
// and an answerer for every dialog the window opens.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clock.h"
#include "main_window.h"
#include "modal_answerer.h"
#include "store_fixture.h"

namespace velmora::testing {

class MainWindowTest : public StoreTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A window over the test's store (opened on first use and kept).
    MainWindow& openWindow();
    // Closes the window as the player would (saving what it saves).
    void closeWindow();
    // Stores preferences that choose this game before the window opens.
    void chooseGameBeforeStart(const std::string& name, bool timed = false, std::uint32_t limit = 3);

    // Moves the clock and lets the window's timer see it.
    void passSeconds(int seconds);
    void tick();

    int gameIndex(const std::string& name) const;
    Registry& store();

    // Every modal request the window made, and the answers given (by kind
    // and, for dialogs, by content template).
    struct Seen {
        ModalKind kind;
        int contentTemplate;  // dialogs: the content's template id
        std::string text;     // message boxes: the text; dialogs: the title
    };
    std::vector<Seen> seen;
    std::function<std::optional<int>(const ModalRequest&, int contentTemplate)> answer;
    // The colour chooser runs for real when `answer` gives it no answer;
    // otherwise it is cancelled.
    bool realColourChooser = false;

    ResourceTable resources;
    ManualClock clock{1'700'000'000};
    std::unique_ptr<ScopedProgramClock> clockScope;
    std::unique_ptr<RegistryStore> registry;
    std::unique_ptr<MainWindow> window;
};

}  // namespace velmora::testing
