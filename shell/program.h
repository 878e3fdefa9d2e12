// The program's entry: the screen check, the store, the single-instance
// check, the main window and the message loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "registry.h"
#include "resource_table.h"
#include "screen_metrics.h"

namespace velmora {

using ArtworkRegistration = void (*)(ResourceTable&);

// Runs the program in the given configuration with that configuration's
// artwork; returns the exit code.
int RunProgram(int argc, char** argv, BuildConfiguration configuration, ArtworkRegistration addArtwork);

// What the program runs with once the application exists. openStore gives
// the store, or null when the program is to end (the player has been told).
struct ProgramSetup {
    BuildConfiguration configuration = BuildConfiguration::standard;
    const ResourceTable* resources = nullptr;
    std::function<std::unique_ptr<Registry>()> openStore;
};

// The store file at path. A file that cannot be used (damaged, foreign, from
// a newer version, unwritable, locked) is left exactly as it is, and the
// player, told why and where it lies, chooses between playing without saving
// (a store in memory only: default settings, nothing written to any file)
// and quitting (null).
std::unique_ptr<Registry> openStoreOrPlayWithoutSaving(const std::string& path);

// Start-up from the screen check on, the message loop and the end: the
// program's exit code.
int RunProgramWindow(const ProgramSetup& setup);

// Every resource the program uses: the text resources, the rule database
// and the configuration's artwork.
void addProgramResources(ResourceTable& table, ArtworkRegistration addArtwork);

}  // namespace velmora
