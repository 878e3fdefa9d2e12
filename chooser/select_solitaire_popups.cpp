// The filter popups of the Select Solitaire dialog: lists of values that
// open over their buttons, one at a time. The letter popup is three columns
// of nine rows that move together.
#include "screen.h"
#include "select_solitaire_dialog.h"

namespace velmora {

namespace ctl = chooser_control;

int SelectSolitaireContent::PopupControl::columnOf(int controlId) const
{
    for (int column = 0; column < columnCount; ++column)
        if (columns[static_cast<std::size_t>(column)] == controlId)
            return column;
    return -1;
}

const SelectSolitaireContent::PopupControl& SelectSolitaireContent::popupControl(Popup popup)
{
    static const PopupControl controls[] = {
        {FilterKind::category, ctl::kCategoryButton, {ctl::kCategoryPopup}, 1, ChooserPopup::category},
        {FilterKind::skill, ctl::kSkillButton, {ctl::kSkillPopup}, 1, ChooserPopup::skill},
        {FilterKind::time, ctl::kTimeButton, {ctl::kTimePopup}, 1, ChooserPopup::time},
        {FilterKind::letter,
         ctl::kLetterButton,
         {ctl::kLetterColumns[0], ctl::kLetterColumns[1], ctl::kLetterColumns[2]},
         3,
         ChooserPopup::letterFirst},
    };
    return controls[static_cast<int>(popup)];
}

std::optional<SelectSolitaireContent::Popup> SelectSolitaireContent::popupOf(int controlId)
{
    for (Popup popup : {Popup::category, Popup::skill, Popup::time, Popup::letter}) {
        if (popupControl(popup).columnOf(controlId) >= 0)
            return popup;
    }
    return std::nullopt;
}

void SelectSolitaireContent::PreparePopups()
{
    const int rowHeight = popupRowHeight(screenMetrics());
    for (Popup popup : {Popup::category, Popup::skill, Popup::time, Popup::letter}) {
        const PopupControl& control = popupControl(popup);
        for (int column = 0; column < control.columnCount; ++column) {
            const int id = control.columns[static_cast<std::size_t>(column)];
            ShowControl(id, false);
            SetRowHeight(id, rowHeight);
            ClearItems(id);
            const auto layoutColumn = static_cast<ChooserPopup>(static_cast<int>(control.firstColumn) + column);
            for (int row = 0; row < popupRowCount(layoutColumn); ++row)
                AddItem(id, "", row);
        }
    }
}

void SelectSolitaireContent::OpenPopup(Popup popup)
{
    const PopupControl& control = popupControl(popup);
    const int id = control.columns[0];
    SetSelection(id, -1);
    SetSelection(id, filterValue(filter_, control.kind));
    ShowControl(id, true);
    RaiseControl(id);
    popupOpen_[static_cast<std::size_t>(popup)] = true;
    FocusControl(id);
}

void SelectSolitaireContent::OpenLetterPopup()
{
    const int letter = filter_.letter;
    // Every column marks the current letter's row, so that the columns move
    // together; the column that holds the letter gets the focus.
    for (int column = 2; column >= 0; --column) {
        const int id = ctl::kLetterColumns[column];
        SetSelection(id, -1);
        SetSelection(id, letterRow(letter));
        ShowControl(id, true);
        RaiseControl(id);
    }
    popupOpen_[static_cast<std::size_t>(Popup::letter)] = true;
    FocusControl(ctl::kLetterColumns[letterColumn(letter)]);
}

void SelectSolitaireContent::ChooseInPopup(Popup popup, int controlId)
{
    const PopupControl& control = popupControl(popup);
    const int column = control.columnOf(controlId);
    const int row = Selection(controlId);
    ClosePopup(popup, PopupFocus::toButton);
    const int value = popup == Popup::letter ? letterAt(column, row) : row;
    // A row outside the popup's values, or the value already in force,
    // changes nothing: the list is not rebuilt.
    if (!chooseFilterValue(filter_, control.kind, value))
        return;
    RedrawControl(control.button);
    FiltersChanged();
}

void SelectSolitaireContent::ClosePopup(Popup popup, PopupFocus focus)
{
    const PopupControl& control = popupControl(popup);
    popupOpen_[static_cast<std::size_t>(popup)] = false;
    // A popup about to disappear hands the focus back to its button rather
    // than letting it fall on whatever control comes next.
    if (focus == PopupFocus::toButton && control.columnOf(FocusedControl()) >= 0)
        FocusControl(control.button);
    for (int column = 0; column < control.columnCount; ++column)
        ShowControl(control.columns[static_cast<std::size_t>(column)], false);
}

void SelectSolitaireContent::KeepLetterRowsTogether(int controlId, int key)
{
    if (key != VK_UP && key != VK_DOWN)
        return;
    const int target = Selection(controlId) + (key == VK_DOWN ? 1 : -1);
    if (target < 0 || target >= kLetterColumnRows)
        return;
    for (int id : ctl::kLetterColumns)
        if (id != controlId)
            SetSelection(id, target);
}

bool SelectSolitaireContent::OnLButtonDown(Point point)
{
    (void)point;
    // A tap beside the controls closes the first open popup.
    for (Popup popup : {Popup::category, Popup::skill, Popup::time, Popup::letter}) {
        if (popupOpen_[static_cast<std::size_t>(popup)]) {
            ClosePopup(popup, PopupFocus::toButton);
            return true;
        }
    }
    return false;
}

}  // namespace velmora
