#include "win_dialog.h"

#include "best_times.h"
#include "messages.h"
#include "resource_ids.h"
#include "utf16_text.h"

namespace velmora {

namespace {

constexpr int kNameEdit = ids::kCtlWinNameEdit;

}  // namespace

WinContent::WinContent(Preferences& preferences) : DialogContent(ids::kDlgWin), preferences_(preferences)
{
}

bool WinContent::OnInitDialog()
{
    SetTextLimit(kNameEdit, kBestTimeNameLength);
    SetControlText(kNameEdit, utf8FromUtf16(lastEnteredName(preferences_)));
    FocusControl(kNameEdit);
    return true;
}

bool WinContent::ContentOK()
{
    setLastEnteredName(preferences_, utf16FromUtf8(ControlText(kNameEdit)));
    return true;
}

bool WinContent::OnKeyDown(int virtualKey)
{
    if (virtualKey != VK_RETURN || !Frame())
        return false;
    Frame()->Command(IDOK);
    return true;
}

bool RunWinDialog(CeBaseWnd* owner, Preferences& preferences)
{
    WinContent content(preferences);
    DialogFrame frame(content, ids::kStrCongratulations, ids::kBarWin);
    return frame.Run(owner) == IDOK;
}

}  // namespace velmora
