// The chooser's dialogs as the main window opens them.
//
// RunSelectSolitaire: the game chooser. True when the player chose a game
// with Play: preferences.curSolId is then its RecordIndex. False when the
// player cancelled or the dialog could not be shown; curSolId is then
// unchanged. Either way the favourites may have changed in place and the
// filters are written back into the preferences.
//
// RunStatisticsDialog: the figures of the game named gameName (the name held
// in its rule record), read before the dialog opens; the player may clear
// them. Without a game (an empty name) it shows zeros and clears nothing.
#pragma once

#include <string_view>

#include "preferences.h"
#include "registry.h"
#include "resource_table.h"

namespace velmora {

class CeBaseWnd;

bool RunSelectSolitaire(CeBaseWnd* owner, Preferences& preferences, const ResourceTable& resources);

void RunStatisticsDialog(CeBaseWnd* owner, Registry& registry, std::string_view storeRoot,
                         std::string_view gameName);

}  // namespace velmora
