#include "select_solitaire_dialog.h"

#include <algorithm>
#include <iterator>

#include "application.h"
#include "chooser_dialogs.h"
#include "resource_ids.h"
#include "screen.h"
#include "select_solitaire_layout.h"

namespace velmora {

namespace ctl = chooser_control;

namespace {

// Rows of the game list on a medium-scale screen use a font of their own.
std::optional<Font> gameRowFont(const ScreenMetrics& metrics)
{
    if (!isMediumScale(metrics))
        return std::nullopt;
    return Font(FontRequest{"Tahoma", 15, 400, false});
}

// Buttons whose gaining the focus closes the letter popup.
constexpr int kLetterClosingButtons[] = {ctl::kCategoryButton, ctl::kSkillButton, ctl::kTimeButton,
                                         ctl::kLetterButton,   ctl::kResetButton, ctl::kFavouritesButton};

}  // namespace

SelectSolitaireContent::SelectSolitaireContent(Preferences& preferences, const ResourceTable& resources)
    : DialogContent(ids::kDlgSelectSolitaire),
      preferences_(preferences),
      catalogue_(resources),
      filter_(filterFromPreferences(preferences)),
      icons_(resources, screenMetrics().configuration),
      painter_(icons_, screenMetrics(), gameRowFont(screenMetrics())),
      noGamesText_(findString(resources, ids::kStrNoSolitaires).value_or(""))
{
}

SelectSolitaireContent::~SelectSolitaireContent() = default;

bool SelectSolitaireContent::OnInitDialog()
{
    WaitCursor wait;
    PreparePopups();
    SetRowHeight(ctl::kGameList, gameListRowHeight(screenMetrics()));
    FillGameList();
    HideFavouriteButton();
    return true;
}

void SelectSolitaireContent::OnDestroy()
{
    storeFilter(filter_, preferences_);
}

void SelectSolitaireContent::ContentSized(int width, int height)
{
    const ScreenMetrics& metrics = screenMetrics();
    const ChooserLayout layout = chooserLayout(width, height, metrics);
    MoveControl(ctl::kCategoryButton, layout.categoryButton);
    MoveControl(ctl::kSkillButton, layout.skillButton);
    MoveControl(ctl::kTimeButton, layout.timeButton);
    MoveControl(ctl::kLetterButton, layout.letterButton);
    MoveControl(ctl::kResetButton, layout.resetButton);
    MoveControl(ctl::kGameList, layout.gameList);
    MoveControl(ctl::kFavouriteButton, layout.favouriteButton);
    MoveControl(ctl::kFavouritesButton, layout.favouritesButton);
    MoveControl(ctl::kCategoryPopup, popupRect(ChooserPopup::category, width, height, metrics));
    MoveControl(ctl::kSkillPopup, popupRect(ChooserPopup::skill, width, height, metrics));
    MoveControl(ctl::kTimePopup, popupRect(ChooserPopup::time, width, height, metrics));
    MoveControl(ctl::kLetterColumns[0], popupRect(ChooserPopup::letterFirst, width, height, metrics));
    MoveControl(ctl::kLetterColumns[1], popupRect(ChooserPopup::letterSecond, width, height, metrics));
    MoveControl(ctl::kLetterColumns[2], popupRect(ChooserPopup::letterThird, width, height, metrics));
}

// ---- The game list --------------------------------------------------------------

void SelectSolitaireContent::FillGameList()
{
    ClearItems(ctl::kGameList);
    for (int index : catalogue_.listedGames(filter_, preferences_.favourites))
        AddItem(ctl::kGameList, "", index);
}

void SelectSolitaireContent::RebuildGameList()
{
    WaitCursor wait;
    FillGameList();
    SetSelection(ctl::kGameList, -1);
    SetTopIndex(ctl::kGameList, 0);
    ShowControl(ctl::kGameList, true);
    HideFavouriteButton();
}

void SelectSolitaireContent::FiltersChanged()
{
    // Hidden first so that the list is never drawn half filled.
    ShowControl(ctl::kGameList, false);
    SendMessage(kRebuildGameList);
}

std::optional<LResult> SelectSolitaireContent::OnMessage(const Message& message)
{
    if (message.id != kRebuildGameList)
        return DialogContent::OnMessage(message);
    RebuildGameList();
    return 0;
}

std::optional<int> SelectSolitaireContent::SelectedGame() const
{
    const int row = Selection(ctl::kGameList);
    if (row < 0)
        return std::nullopt;
    const auto value = static_cast<int>(ItemValue(ctl::kGameList, row));
    if (catalogue_.entry(value) == nullptr)
        return std::nullopt;
    return value;
}

bool SelectSolitaireContent::IsFavourite(int recordIndex) const
{
    const CatalogueEntry* entry = catalogue_.entry(recordIndex);
    return entry != nullptr && preferences_.favourites.contains(entry->id);
}

void SelectSolitaireContent::SelectionChanged()
{
    const std::optional<int> game = SelectedGame();
    if (!game)
        return;
    const FavouriteStatus status = IsFavourite(*game) ? FavouriteStatus::favourite : FavouriteStatus::notFavourite;
    const FavouriteStatus old = status_;
    status_ = status;
    if (old == FavouriteStatus::unknown)
        ShowControl(ctl::kFavouriteButton, true);
    else if (old != status)
        RedrawControl(ctl::kFavouriteButton);
}

void SelectSolitaireContent::HideFavouriteButton()
{
    status_ = FavouriteStatus::unknown;
    // A hidden control must not keep the focus: it goes where it would go
    // if it landed on the hidden button.
    if (FocusedControl() == ctl::kFavouriteButton)
        FocusControl(focusReturnTarget_);
    ShowControl(ctl::kFavouriteButton, false);
}

// ---- Commands ---------------------------------------------------------------------

bool SelectSolitaireContent::OnCommand(int id)
{
    switch (id) {
    case ctl::kCategoryButton: OpenPopup(Popup::category); return true;
    case ctl::kSkillButton: OpenPopup(Popup::skill); return true;
    case ctl::kTimeButton: OpenPopup(Popup::time); return true;
    case ctl::kLetterButton: OpenLetterPopup(); return true;
    case ctl::kResetButton: Reset(); return true;
    case ctl::kFavouriteButton: ToggleFavourite(); return true;
    case ctl::kFavouritesButton: ToggleFavouritesMode(); return true;
    case ids::kCmdPlay: Play(); return true;
    default: return DialogContent::OnCommand(id);
    }
}

void SelectSolitaireContent::Reset()
{
    if (!resetFilter(filter_))
        return;
    for (int button : {ctl::kCategoryButton, ctl::kSkillButton, ctl::kTimeButton, ctl::kLetterButton,
                       ctl::kFavouritesButton})
        RedrawControl(button);
    FiltersChanged();
}

void SelectSolitaireContent::ToggleFavouritesMode()
{
    filter_.favourites = filter_.favourites != 0 ? 0 : 1;
    RedrawControl(ctl::kFavouritesButton);
    FiltersChanged();
}

void SelectSolitaireContent::ToggleFavourite()
{
    const std::optional<int> game = SelectedGame();
    if (!game)
        return;
    const SolitaireId id = catalogue_.entry(*game)->id;
    const int row = Selection(ctl::kGameList);
    if (preferences_.favourites.contains(id)) {
        preferences_.favourites.remove(id);
        status_ = FavouriteStatus::notFavourite;
        if (filter_.favourites != 0)
            FiltersChanged();  // the game leaves the list
        else
            RedrawItem(ctl::kGameList, row);
    } else if (preferences_.favourites.add(id)) {
        status_ = FavouriteStatus::favourite;
        RedrawItem(ctl::kGameList, row);
    }
    RedrawControl(ctl::kFavouriteButton);
}

void SelectSolitaireContent::Play()
{
    const std::optional<int> game = SelectedGame();
    if (!game)
        return;
    preferences_.curSolId = *game;
    if (DialogFrame* frame = Frame())
        frame->End(IDOK);
}

// ---- Notifications and focus ----------------------------------------------------

bool SelectSolitaireContent::OnContentNotify(const ControlNotification& notification)
{
    if (const std::optional<Popup> popup = popupOf(notification.controlId))
        return PopupNotified(*popup, notification);
    if (notification.controlId == ctl::kGameList)
        return GameListNotified(notification);
    if (notification.event == ControlEvent::focusGained)
        return ButtonFocused(notification.controlId);
    return false;
}

bool SelectSolitaireContent::PopupNotified(Popup popup, const ControlNotification& notification)
{
    switch (notification.event) {
    case ControlEvent::activated:
        ChooseInPopup(popup, notification.controlId);
        return true;
    case ControlEvent::focusLost:
        // The letter columns pass the focus among themselves; the letter
        // popup closes when a control outside it takes the focus.
        if (popup != Popup::letter)
            ClosePopup(popup, PopupFocus::keep);
        return false;
    case ControlEvent::key:
        if (notification.key == VK_RETURN) {
            ChooseInPopup(popup, notification.controlId);
            return true;
        }
        if (popup == Popup::letter)
            KeepLetterRowsTogether(notification.controlId, notification.key);
        return false;
    default:
        return false;
    }
}

bool SelectSolitaireContent::GameListNotified(const ControlNotification& notification)
{
    switch (notification.event) {
    case ControlEvent::selectionChanged:
        SelectionChanged();
        return true;
    case ControlEvent::focusGained:
        GameListFocused();
        return false;
    case ControlEvent::key:
        if (notification.key != VK_RETURN)
            return false;
        Play();
        return true;
    case ControlEvent::activated:
        // A tap, even a double tap, only selects: a game starts with Play or Enter.
        return true;
    default:
        return false;
    }
}

bool SelectSolitaireContent::ButtonFocused(int id)
{
    if (id == ctl::kFavouriteButton && status_ == FavouriteStatus::unknown) {
        // The hidden favourite button is skipped: forwards from the list to
        // the favourites button, backwards from there to the list.
        FocusControl(focusReturnTarget_);
        return true;
    }
    if (id == ctl::kFavouritesButton)
        focusReturnTarget_ = ctl::kGameList;
    if (popupOpen_[static_cast<std::size_t>(Popup::letter)] &&
        std::find(std::begin(kLetterClosingButtons), std::end(kLetterClosingButtons), id) !=
            std::end(kLetterClosingButtons))
        ClosePopup(Popup::letter, PopupFocus::keep);
    return false;
}

void SelectSolitaireContent::GameListFocused()
{
    focusReturnTarget_ = ctl::kFavouritesButton;
    if (popupOpen_[static_cast<std::size_t>(Popup::letter)])
        ClosePopup(Popup::letter, PopupFocus::keep);
    if (Selection(ctl::kGameList) >= 0)
        return;
    SetSelection(ctl::kGameList, TopIndex(ctl::kGameList));
    SelectionChanged();
}

// ---- Closing ---------------------------------------------------------------------------

bool RunSelectSolitaire(CeBaseWnd* owner, Preferences& preferences, const ResourceTable& resources)
{
    SelectSolitaireContent content(preferences, resources);
    DialogFrame frame(content, 0, ids::kBarSelectSolitaire);
    return frame.Run(owner) == IDOK;
}

}  // namespace velmora
