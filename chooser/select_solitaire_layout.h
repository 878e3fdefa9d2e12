// Where the Select Solitaire dialog puts its controls for a given client size.
//
// Sizes are in 1/96 inch, turned into pixels with the screen's scale. On a
// medium-scale screen (scale strictly between 1 and 2) several sizes are
// fixed pixel numbers instead, chosen so that the 15-pixel rows and texts of
// such screens fit. The popups open over their buttons; one too tall for the
// dialog is cut at the dialog's bottom and made wider for its scroll bar.
#pragma once

#include "geometry.h"
#include "screen_metrics.h"

namespace velmora {

struct ChooserLayout {
    Rect categoryButton;
    Rect skillButton;
    Rect timeButton;
    Rect letterButton;
    Rect resetButton;
    Rect gameList;
    Rect favouriteButton;
    Rect favouritesButton;
};

ChooserLayout chooserLayout(int width, int height, const ScreenMetrics& metrics);

enum class ChooserPopup { category, skill, time, letterFirst, letterSecond, letterThird };

// Rows of each popup: 12 categories, 4 skill values, 5 time values, 9 letters
// per column.
int popupRowCount(ChooserPopup popup);
// Row heights in pixels: the game list's, and the popups' (31 pixels with the
// VGA artwork, 15 otherwise).
int gameListRowHeight(const ScreenMetrics& metrics);
int popupRowHeight(const ScreenMetrics& metrics);

Rect popupRect(ChooserPopup popup, int width, int height, const ScreenMetrics& metrics);

// Where a button's icons start, from its top left corner: a small inset from
// the left, and down so that the 15-unit icons sit centred in the button.
Point buttonIconOffset(const ScreenMetrics& metrics);

}  // namespace velmora
