#include "program.h"

#include <memory>
#include <string>

#include "application.h"
#include "common_dialogs.h"
#include "game_database.h"
#include "main_window.h"
#include "platform_shell.h"
#include "registry_store.h"
#include "resource_ids.h"
#include "resources.h"
#include "screen.h"
#include "single_instance.h"
#include "store_location.h"
#include "text_resources.h"

namespace velmora {

void addProgramResources(ResourceTable& table, ArtworkRegistration addArtwork)
{
    addTextResources(table);
    addGameDatabase(table);
    addArtwork(table);
}

namespace {

bool screenMatchesBuild(const ScreenMetrics& metrics, BuildConfiguration configuration)
{
    return isVgaScreen(metrics) == (configuration == BuildConfiguration::vga);
}

}  // namespace

std::unique_ptr<Registry> openStoreOrPlayWithoutSaving(const std::string& path)
{
    std::string error;
    std::unique_ptr<RegistryStore> store = RegistryStore::open(path, error);
    if (store)
        return store;
    const std::string text = LoadString(ids::kStrStoreUnavailable) + "\n\n" + path + "\n" + error + "\n\n" +
                             LoadString(ids::kStrPlayWithoutSaving);
    if (MessageBox(nullptr, text, LoadString(ids::kStrError), mb::yesNo | mb::iconError) != IDYES)
        return nullptr;
    // Nothing of this run reaches any file; within the run, settings, saved
    // games and records behave as usual.
    std::unique_ptr<RegistryStore> memory = RegistryStore::openInMemory(error);
    if (!memory)
        MessageBox(nullptr, error, LoadString(ids::kStrError), mb::ok | mb::iconError);
    return memory;
}

int RunProgramWindow(const ProgramSetup& setup)
{
    setProgramResources(setup.resources);
    const ScreenMetrics metrics = readScreenMetrics(setup.configuration);
    setScreenMetrics(metrics);
    if (!screenMatchesBuild(metrics, setup.configuration)) {
        MessageBox(nullptr, LoadString(ids::kStrInvalidVersion), LoadString(ids::kStrError), mb::ok);
        return 0;
    }
    InitShellControls();
    const std::string title = LoadString(ids::kStrAppTitle);

    CloseInputPanel();
    // Made before the store and the window, so it is gone only after them: a
    // start that meets this instance while it closes waits until everything
    // is written and closed.
    SingleInstance instance(std::string(kWindowClassPrefix) + kMainWindowClass);
    if (instance.notifyRunningInstance())
        return 0;

    std::unique_ptr<Registry> store = setup.openStore();
    if (!store)
        return 0;
    MainWindow window(ShellContext{setup.resources, store.get(), setup.configuration});
    if (!window.CreateMainWindow(title))
        return 0;
    instance.listen(window);
    HideInputPanelButton(window);
    window.Show();
    const int code = Application::Run();
    if (window.IsCreated())
        window.Destroy();
    return code;
}

int RunProgram(int argc, char** argv, BuildConfiguration configuration, ArtworkRegistration addArtwork)
{
    Application application(argc, argv);
    ResourceTable resources;
    addProgramResources(resources, addArtwork);
    return RunProgramWindow(
        ProgramSetup{configuration, &resources, [] { return openStoreOrPlayWithoutSaving(defaultStorePath()); }});
}

}  // namespace velmora
