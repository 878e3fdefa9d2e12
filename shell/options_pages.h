// The two pages of the Options dialog. Each shows the preferences it edits
// when it is created and answers what its controls hold; neither changes
// the preferences (the dialog's OK does, options_dialog.h).
//
//   GameOptionsPage       "Game": timed game and time limit.
//   InterfaceOptionsPage  "Interface": play method, card back, background,
//                         animation, clock display and menu style. The card
//                         back and the colour are working copies that its
//                         two picture buttons change: the card back cycles
//                         through the four designs, the colour comes from
//                         the colour chooser.
#pragma once

#include <cstdint>

#include "paged_content.h"
#include "preferences.h"

namespace velmora {

namespace options_control {
inline constexpr int kTimedGame = 5000;
inline constexpr int kTimeLimit = 5001;
inline constexpr int kPlayCards = 5010;
inline constexpr int kCardBack = 1003;
inline constexpr int kBackground = 5012;
inline constexpr int kAnimation = 5009;
inline constexpr int kShowTimer = 5015;
inline constexpr int kSoftkeyMenu = 5013;
}  // namespace options_control

// The menu style can be chosen only where both bars fit the screen's scale.
bool menuStyleSelectable();

// Minutes of a time-limit list index (any index but 0 to 3 reads as 10), and
// the index of a limit (-1 for a limit the list does not offer).
std::uint32_t timeLimitMinutes(int index);
int timeLimitIndex(std::uint32_t minutes);

class GameOptionsPage : public DialogPage {
public:
    explicit GameOptionsPage(const Preferences& preferences);

    bool TimedGame() const;
    std::uint32_t TimeLimit() const;

    void PageHelp(CeBaseWnd* owner) override;

protected:
    bool OnInitDialog() override;

private:
    const Preferences& preferences_;
};

class InterfaceOptionsPage : public DialogPage {
public:
    explicit InterfaceOptionsPage(const Preferences& preferences);

    std::uint8_t PlayMode() const;  // no selection reads as Drag and Drop
    std::uint32_t CardBack() const { return cardBack_; }
    std::uint32_t BackgroundColour() const { return colour_; }  // 0x00BBGGRR, as stored
    bool Animation() const;
    bool ShowTimer() const;
    bool SoftkeyMenu() const;

    void PageHelp(CeBaseWnd* owner) override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    void OnDrawItem(DrawItem& item) override;

private:
    void NextCardBack();
    void ChooseBackground();
    void DrawCardBack(DrawItem& item) const;
    void DrawBackground(DrawItem& item) const;

    const Preferences& preferences_;
    std::uint32_t cardBack_ = 0;
    std::uint32_t colour_ = 0;
};

}  // namespace velmora
