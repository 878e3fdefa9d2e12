// Owner drawing of the Select Solitaire dialog: which face or row each
// control's item shows. The pixels themselves are ChooserPainter's.
#include "select_solitaire_dialog.h"

namespace velmora {

namespace ctl = chooser_control;

void SelectSolitaireContent::OnDrawItem(DrawItem& item)
{
    if (item.surface == nullptr)
        return;
    if (item.controlId == ctl::kGameList)
        DrawGameRow(item);
    else if (const std::optional<Popup> popup = popupOf(item.controlId))
        DrawPopupRow(item, *popup);
    else
        DrawButton(item);
}

void SelectSolitaireContent::DrawGameRow(DrawItem& item) const
{
    const auto value = static_cast<int>(item.value);
    if (value == kNoGameMarker) {
        painter_.markerRow(*item.surface, item.rect, noGamesText_);
        return;
    }
    // A row that names no game draws nothing.
    const CatalogueEntry* entry = catalogue_.entry(value);
    if (entry == nullptr)
        return;
    painter_.gameRow(*item.surface, item.rect, *entry, preferences_.favourites.contains(entry->id), item.selected);
}

void SelectSolitaireContent::DrawButton(DrawItem& item) const
{
    Surface& surface = *item.surface;
    const Rect& rect = item.rect;
    switch (item.controlId) {
    case ctl::kCategoryButton: painter_.categoryButton(surface, rect, filter_.category); break;
    case ctl::kSkillButton: painter_.skillButton(surface, rect, filter_.skill); break;
    case ctl::kTimeButton: painter_.timeButton(surface, rect, filter_.time); break;
    case ctl::kLetterButton: painter_.letterButton(surface, rect, filter_.letter); break;
    case ctl::kResetButton: painter_.resetButton(surface, rect); break;
    case ctl::kFavouriteButton: {
        const FavouriteAction action = status_ == FavouriteStatus::notFavourite ? FavouriteAction::add
                                       : status_ == FavouriteStatus::favourite  ? FavouriteAction::remove
                                                                                : FavouriteAction::none;
        painter_.favouriteButton(surface, rect, action);
        break;
    }
    case ctl::kFavouritesButton: painter_.favouritesButton(surface, rect, filter_.favourites != 0); break;
    default: return;
    }
    painter_.buttonFrame(surface, rect, item.focused);
}

void SelectSolitaireContent::DrawPopupRow(DrawItem& item, Popup popup) const
{
    Surface& surface = *item.surface;
    const int row = item.item;
    const PopupControl& control = popupControl(popup);
    if (row < 0 || row >= filterValueCount(control.kind))
        return;
    switch (popup) {
    case Popup::category: painter_.categoryRow(surface, item.rect, row, item.selected); break;
    case Popup::skill: painter_.skillRow(surface, item.rect, row, item.selected); break;
    case Popup::time: painter_.timeRow(surface, item.rect, row, item.selected); break;
    case Popup::letter: {
        // A letter row is highlighted only while its column has the focus.
        const int letter = letterAt(control.columnOf(item.controlId), row);
        if (letter >= 0)
            painter_.letterRow(surface, item.rect, letter, item.selected && item.focused);
        break;
    }
    }
}

}  // namespace velmora
