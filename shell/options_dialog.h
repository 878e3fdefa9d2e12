// The Options dialog: the "Game" and "Interface" pages under the title
// "Options", with the softkeys "OK" and "Menu" (Help, Cancel).
//
// OK takes the pages' values into the preferences in a fixed order and
// raises the host's optionsChanged flag when something the game field shows
// or plays by changed (play method, background, card back, clock display);
// the animation and the time settings change silently. A change of the menu
// style switches the host's menu bar at once. Cancel, or closing the dialog
// otherwise, changes nothing.
#pragma once

#include <functional>

#include "options_pages.h"

namespace velmora {

class CMenuBar;

// What the dialog changes in the main window.
struct OptionsHost {
    Preferences& preferences;
    bool& optionsChanged;
    CMenuBar* menuBar = nullptr;
    // Lets the game field take over the display preferences.
    std::function<void()> applyDisplayPreferences;
};

class OptionsContent : public PagedContent {
public:
    explicit OptionsContent(OptionsHost& host);

    GameOptionsPage& GamePage() { return game_; }
    InterfaceOptionsPage& InterfacePage() { return interface_; }

protected:
    void ApplyPages() override;

private:
    OptionsHost& host_;
    GameOptionsPage game_;
    InterfaceOptionsPage interface_;
};

// Runs the dialog modally over owner; true when it was closed with OK.
bool RunOptionsDialog(CeBaseWnd* owner, OptionsHost& host);

}  // namespace velmora
