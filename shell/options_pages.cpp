#include "options_pages.h"

#include <array>

#include "common_dialogs.h"
#include "html_view_dialog.h"
#include "resource_ids.h"
#include "screen.h"

namespace velmora {

namespace ctl = options_control;

namespace {

constexpr std::array<std::uint32_t, 4> kTimeLimits{1, 3, 5, 10};
constexpr const char* kTimeLimitTexts[] = {"1 min", "3 min", "5 min", "10 min"};
constexpr const char* kPlayModeTexts[] = {"Tapping", "Drag and Drop", "Keyboard CW", "Keyboard PW"};
constexpr int kCardBackDesigns = 4;
constexpr Colour kButtonFrame = 0x000000;
constexpr Colour kFocusFrame = 0xFFFFFF;

void showHelp(CeBaseWnd* owner, int textStringId)
{
    HtmlViewDialog(ids::kCmdHelp, textStringId).Run(owner);
}

// The frame of a picture button, with a second, inner ring while it has
// the keyboard focus.
void drawButtonFrame(DrawItem& item)
{
    item.surface->FrameRect(item.rect, kButtonFrame);
    if (item.focused)
        item.surface->FrameRect(Rect{1, 1, item.rect.right - 1, item.rect.bottom - 1}, kFocusFrame);
}

}  // namespace

bool menuStyleSelectable()
{
    return dpiScale() == 1.0 || dpiScale() == 2.0;
}

std::uint32_t timeLimitMinutes(int index)
{
    return index >= 0 && index < static_cast<int>(kTimeLimits.size()) ? kTimeLimits[static_cast<std::size_t>(index)]
                                                                        : kTimeLimits.back();
}

int timeLimitIndex(std::uint32_t minutes)
{
    for (std::size_t index = 0; index < kTimeLimits.size(); ++index) {
        if (kTimeLimits[index] == minutes)
            return static_cast<int>(index);
    }
    return -1;
}

// ---- Game ------------------------------------------------------------------------

GameOptionsPage::GameOptionsPage(const Preferences& preferences)
    : DialogPage(ids::kDlgGamePage, ids::kStrGamePage), preferences_(preferences)
{
}

bool GameOptionsPage::OnInitDialog()
{
    for (const char* text : kTimeLimitTexts)
        AddItem(ctl::kTimeLimit, text);
    SetCheck(ctl::kTimedGame, preferences_.timedGame != 0);
    SetSelection(ctl::kTimeLimit, timeLimitIndex(preferences_.timeLimit));
    return true;
}

bool GameOptionsPage::TimedGame() const
{
    return IsChecked(ctl::kTimedGame);
}

std::uint32_t GameOptionsPage::TimeLimit() const
{
    return timeLimitMinutes(Selection(ctl::kTimeLimit));
}

void GameOptionsPage::PageHelp(CeBaseWnd* owner)
{
    showHelp(owner, ids::kStrHelpGameOptions);
}

// ---- Interface ---------------------------------------------------------------------

InterfaceOptionsPage::InterfaceOptionsPage(const Preferences& preferences)
    : DialogPage(ids::kDlgInterfacePage, ids::kStrInterfacePage), preferences_(preferences)
{
}

bool InterfaceOptionsPage::OnInitDialog()
{
    for (const char* text : kPlayModeTexts)
        AddItem(ctl::kPlayCards, text);
    // Between the two exact scales the card back is shown larger, beside the
    // labels, at fixed pixels.
    if (screenMetrics().configuration == BuildConfiguration::standard && !menuStyleSelectable())
        MoveControl(ctl::kCardBack, Rect::fromSize(120, 38, 26, 35));
    ShowControl(ctl::kSoftkeyMenu, true);
    SetCheck(ctl::kAnimation, preferences_.animation != 0);
    SetSelection(ctl::kPlayCards, preferences_.playMode < 4 ? preferences_.playMode : -1);
    colour_ = preferences_.bgColor;
    cardBack_ = preferences_.cardBack;
    SetCheck(ctl::kShowTimer, preferences_.showTimer != 0);
    if (menuStyleSelectable())
        SetCheck(ctl::kSoftkeyMenu, preferences_.softkeyMenu != 0);
    else
        ShowControl(ctl::kSoftkeyMenu, false);
    return true;
}

std::uint8_t InterfaceOptionsPage::PlayMode() const
{
    const int selection = Selection(ctl::kPlayCards);
    return selection < 0 ? static_cast<std::uint8_t>(velmora::PlayMode::dragAndDrop)
                         : static_cast<std::uint8_t>(selection);
}

bool InterfaceOptionsPage::Animation() const
{
    return IsChecked(ctl::kAnimation);
}

bool InterfaceOptionsPage::ShowTimer() const
{
    return IsChecked(ctl::kShowTimer);
}

bool InterfaceOptionsPage::SoftkeyMenu() const
{
    return IsChecked(ctl::kSoftkeyMenu);
}

bool InterfaceOptionsPage::OnCommand(int id)
{
    switch (id) {
    case ctl::kCardBack:
        NextCardBack();
        return true;
    case ctl::kBackground:
        ChooseBackground();
        return true;
    default:
        return DialogPage::OnCommand(id);
    }
}

void InterfaceOptionsPage::NextCardBack()
{
    cardBack_ = (cardBack_ + 1) % kCardBackDesigns;
    RedrawControl(ctl::kCardBack);
}

void InterfaceOptionsPage::ChooseBackground()
{
    const std::optional<Colour> chosen =
        ChooseColour(this, rgbFromStoredColour(colour_), cc::rgbInit | cc::preventFullOpen | cc::anyColour);
    if (!chosen)
        return;
    colour_ = storedColourFromRgb(*chosen);
    RedrawControl(ctl::kBackground);
}

void InterfaceOptionsPage::OnDrawItem(DrawItem& item)
{
    if (item.surface == nullptr)
        return;
    if (item.controlId == ctl::kCardBack)
        DrawCardBack(item);
    else if (item.controlId == ctl::kBackground)
        DrawBackground(item);
}

// A design without a bitmap (a stored card back beyond the four) leaves the
// face blank until the player taps on to a real one.
void InterfaceOptionsPage::DrawCardBack(DrawItem& item) const
{
    const int first = isVga() ? 142 : 143;
    Surface back;
    if (cardBack_ < kCardBackDesigns && back.LoadBitmap(first + 2 * static_cast<int>(cardBack_)))
        item.surface->Copy(0, 0, back);
    drawButtonFrame(item);
}

void InterfaceOptionsPage::DrawBackground(DrawItem& item) const
{
    item.surface->FillRect(item.rect, rgbFromStoredColour(colour_));
    drawButtonFrame(item);
}

void InterfaceOptionsPage::PageHelp(CeBaseWnd* owner)
{
    showHelp(owner, ids::kStrHelpInterface);
}

}  // namespace velmora
