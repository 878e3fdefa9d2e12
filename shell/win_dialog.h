// The win dialog: congratulates the player on a time that enters the Best
// Times list and asks for the name to enter with it, offering the name typed
// last time.
#pragma once

#include "dialog_frame.h"
#include "preferences.h"

namespace velmora {

class WinContent : public DialogContent {
public:
    // OK copies the typed name into preferences' lastEnteredName.
    explicit WinContent(Preferences& preferences);

protected:
    bool OnInitDialog() override;
    bool ContentOK() override;
    // Return in the name box confirms the name, as OK does.
    bool OnKeyDown(int virtualKey) override;

private:
    Preferences& preferences_;
};

// True when the player confirmed with OK: lastEnteredName then holds the
// name typed. Cancel (or any other end) leaves it as it was.
bool RunWinDialog(CeBaseWnd* owner, Preferences& preferences);

}  // namespace velmora
