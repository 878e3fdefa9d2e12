#include "main_window_fixture.h"

#include "artwork.h"
#include "catalogue.h"
#include "dialog_frame.h"
#include "game_database.h"
#include "preferences.h"
#include "program.h"
#include "resources.h"
#include "screen.h"
#include "test_driver.h"

namespace velmora::testing {

void MainWindowTest::SetUp()
{
    StoreTest::SetUp();
    ensureApplication();
    addProgramResources(resources, addArtwork);
    setProgramResources(&resources);
    setScreenMetrics(ScreenMetrics{96, 96, BuildConfiguration::standard});
    clockScope = std::make_unique<ScopedProgramClock>(clock);
    setModalAnswerer([this](const ModalRequest& request) -> std::optional<int> {
        int content = 0;
        if (auto* frame = dynamic_cast<DialogFrame*>(request.dialog))
            content = frame->Content().TemplateId();
        if (request.attempt == 0)
            seen.push_back({request.kind, content, request.kind == ModalKind::messageBox ? request.text : request.caption});
        if (answer)
            if (std::optional<int> given = answer(request, content))
                return given;
        if (request.kind == ModalKind::colourChooser)
            return realColourChooser ? std::nullopt : std::optional<int>(-1);
        // Unexpected dialogs are closed, so that a test never hangs.
        return request.kind == ModalKind::messageBox ? IDOK : IDCANCEL;
    });
}

void MainWindowTest::TearDown()
{
    if (window && window->IsCreated())
        window->Destroy();
    window.reset();
    setModalAnswerer({});
    processEvents();
    clockScope.reset();
    setProgramResources(nullptr);
    registry.reset();
    StoreTest::TearDown();
}

Registry& MainWindowTest::store()
{
    if (!registry)
        registry = openStore();
    return *registry;
}

MainWindow& MainWindowTest::openWindow()
{
    window = std::make_unique<MainWindow>(ShellContext{&resources, &store(), BuildConfiguration::standard});
    EXPECT_TRUE(window->CreateMainWindow("Velmora"));
    return *window;
}

void MainWindowTest::closeWindow()
{
    window->SendMessage(WM_CLOSE);
    processEvents();
}

void MainWindowTest::chooseGameBeforeStart(const std::string& name, bool timed, std::uint32_t limit)
{
    const std::string root = storeRoot("Velmora");
    Preferences preferences = LoadPreferences(store(), root);
    preferences.curSolId = gameIndex(name);
    preferences.curSolitaireId = kNoSolitaire;  // the index alone names the game
    preferences.timedGame = timed ? 1 : 0;
    preferences.timeLimit = limit;
    SavePreferences(preferences, store(), root);
}

int MainWindowTest::gameIndex(const std::string& name) const
{
    for (const CatalogueEntry& entry : readCatalogue(resources))
        if (entry.name == name)
            return static_cast<int>(entry.index);
    ADD_FAILURE() << "no game " << name;
    return 0;
}

void MainWindowTest::tick()
{
    window->SendMessage(WM_TIMER, kGameTimerId);
}

void MainWindowTest::passSeconds(int seconds)
{
    for (int i = 0; i < seconds; ++i) {
        clock.advanceSeconds(1);
        tick();
    }
}

}  // namespace velmora::testing
