#include "options_dialog.h"

#include "menu_bar.h"
#include "resource_ids.h"

namespace velmora {

namespace {

// Sets field to value; true when that changed it.
template <typename Field, typename Value>
bool assignChanged(Field& field, Value value)
{
    const auto old = field;
    field = static_cast<Field>(value);
    return field != old;
}

}  // namespace

OptionsContent::OptionsContent(OptionsHost& host)
    : PagedContent({&game_, &interface_}), host_(host), game_(host.preferences), interface_(host.preferences)
{
}

void OptionsContent::ApplyPages()
{
    Preferences& preferences = host_.preferences;
    bool changed = false;
    preferences.animation = interface_.Animation() ? 1 : 0;
    changed |= assignChanged(preferences.playMode, interface_.PlayMode());
    changed |= assignChanged(preferences.bgColor, interface_.BackgroundColour());
    changed |= assignChanged(preferences.cardBack, interface_.CardBack());
    changed |= assignChanged(preferences.showTimer, interface_.ShowTimer() ? 1 : 0);
    if (changed)
        host_.optionsChanged = true;
    if (menuStyleSelectable() && assignChanged(preferences.softkeyMenu, interface_.SoftkeyMenu() ? 1 : 0) &&
        host_.menuBar != nullptr)
        host_.menuBar->SetSoftkeyMode(preferences.softkeyMenu != 0);
    if (host_.applyDisplayPreferences)
        host_.applyDisplayPreferences();
    preferences.timedGame = game_.TimedGame() ? 1 : 0;
    preferences.timeLimit = game_.TimeLimit();
}

bool RunOptionsDialog(CeBaseWnd* owner, OptionsHost& host)
{
    OptionsContent content(host);
    DialogFrame frame(content, ids::kStrOptions, ids::kBarOptions);
    return frame.Run(owner) == IDOK;
}

}  // namespace velmora
