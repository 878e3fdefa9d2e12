// The program's entry: the screen check, the store, the single-instance
// check, the main window and the message loop.
#pragma once

#include <functional>
#include <memory>

#include "registry.h"
#include "resource_table.h"
#include "screen_metrics.h"

namespace velmora {

using ArtworkRegistration = void (*)(ResourceTable&);

// Runs the program in the given configuration with that configuration's
// artwork; returns the exit code.
int RunProgram(int argc, char** argv, BuildConfiguration configuration, ArtworkRegistration addArtwork);

// What the program runs with once the application exists. openStore gives
// the store, or null when it cannot be opened (the player has been told).
struct ProgramSetup {
    BuildConfiguration configuration = BuildConfiguration::standard;
    const ResourceTable* resources = nullptr;
    std::function<std::unique_ptr<Registry>()> openStore;
};

// Start-up from the screen check on, the message loop and the end: the
// program's exit code.
int RunProgramWindow(const ProgramSetup& setup);

// Every resource the program uses: the text resources, the rule database
// and the configuration's artwork.
void addProgramResources(ResourceTable& table, ArtworkRegistration addArtwork);

}  // namespace velmora
