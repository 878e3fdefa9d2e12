// The Select Solitaire dialog: the game chooser.
//
// It lists the games that pass the filters (category, skill, playing time,
// first letter, favourites mode), in RecordIndex order, and lets the player
// change the filters through popups over their buttons, mark and unmark
// favourites, and pick a game with "Play" or Enter in the list. Outside
// itself it changes only the current solitaire (on Play), the favourites (in
// place, at once) and the remembered filters (when it closes).
//
// The main window runs it through RunSelectSolitaire (chooser_dialogs.h).
//
// Every change of the filters hides the list and rebuilds it with the
// message kRebuildGameList, sent (not posted), so the list is never seen
// half filled. A rebuild leaves no row selected and hides the favourite
// button until a game row is selected again.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "chooser_filter.h"
#include "chooser_icon_set.h"
#include "chooser_painter.h"
#include "dialog_frame.h"
#include "game_catalogue.h"
#include "preferences.h"
#include "select_solitaire_layout.h"

namespace velmora {

// Controls of the dialog's template.
namespace chooser_control {
inline constexpr int kGameList = 5020;
inline constexpr int kCategoryButton = 5021;
inline constexpr int kCategoryPopup = 5022;
inline constexpr int kSkillButton = 5023;
inline constexpr int kSkillPopup = 5024;
inline constexpr int kTimeButton = 5025;
inline constexpr int kTimePopup = 5026;
inline constexpr int kLetterButton = 5027;
inline constexpr int kLetterColumns[3] = {5028, 5029, 5030};
inline constexpr int kResetButton = 5031;
inline constexpr int kFavouriteButton = 5032;
inline constexpr int kFavouritesButton = 5033;
}  // namespace chooser_control

// The dialog's private message that refills the game list.
inline constexpr MessageId kRebuildGameList = 5127;

// Whether the selected game is a favourite, which decides the favourite
// button's face; unknown while no game row has been selected (button hidden).
enum class FavouriteStatus : std::uint8_t { unknown = 0, notFavourite = 1, favourite = 2 };

class SelectSolitaireContent : public DialogContent {
public:
    // Builds the catalogue and takes the filters from the preferences, which
    // must outlive the dialog.
    SelectSolitaireContent(Preferences& preferences, const ResourceTable& resources);
    ~SelectSolitaireContent() override;

    const ChooserFilter& Filter() const { return filter_; }
    FavouriteStatus Status() const { return status_; }
    const Catalogue& Games() const { return catalogue_; }

protected:
    bool OnInitDialog() override;
    void OnDestroy() override;
    void ContentSized(int width, int height) override;
    bool OnCommand(int id) override;
    bool OnContentNotify(const ControlNotification& notification) override;
    void OnDrawItem(DrawItem& item) override;
    bool OnLButtonDown(Point point) override;
    std::optional<LResult> OnMessage(const Message& message) override;

private:
    enum class Popup { category, skill, time, letter };
    // Where the focus goes when a popup that has it closes: left to the
    // control that is taking it, or back to the popup's button.
    enum class PopupFocus { keep, toButton };
    // A popup's controls: its button and its list columns (one, or three for
    // the letters), and its place in the layout.
    struct PopupControl {
        FilterKind kind;
        int button;
        std::array<int, 3> columns;
        int columnCount;
        ChooserPopup firstColumn;
        // The column's position in the popup, or -1 when it is not one of them.
        int columnOf(int controlId) const;
    };
    static const PopupControl& popupControl(Popup popup);
    static std::optional<Popup> popupOf(int controlId);

    void PreparePopups();
    void FillGameList();
    void RebuildGameList();
    void FiltersChanged();

    void OpenPopup(Popup popup);
    void OpenLetterPopup();
    void ChooseInPopup(Popup popup, int controlId);
    void ClosePopup(Popup popup, PopupFocus focus);
    void KeepLetterRowsTogether(int controlId, int key);

    void Reset();
    void ToggleFavouritesMode();
    void ToggleFavourite();
    void Play();

    // The RecordIndex of the selected game row, or std::nullopt when no row
    // or the "no game" row is selected.
    std::optional<int> SelectedGame() const;
    void SelectionChanged();
    void GameListFocused();
    bool PopupNotified(Popup popup, const ControlNotification& notification);
    bool GameListNotified(const ControlNotification& notification);
    bool ButtonFocused(int id);
    void HideFavouriteButton();
    bool IsFavourite(int recordIndex) const;

    void DrawGameRow(DrawItem& item) const;
    void DrawButton(DrawItem& item) const;
    void DrawPopupRow(DrawItem& item, Popup popup) const;

    Preferences& preferences_;
    Catalogue catalogue_;
    ChooserFilter filter_;
    ChooserIconSet icons_;
    ChooserPainter painter_;
    std::string noGamesText_;
    std::array<bool, 4> popupOpen_{};
    FavouriteStatus status_ = FavouriteStatus::unknown;
    // The control that takes the focus when it lands on the hidden favourite
    // button: the favourites button after the list, the list after it.
    int focusReturnTarget_ = chooser_control::kFavouritesButton;
};

}  // namespace velmora
