// Drawing of the Select Solitaire dialog's owner-drawn parts: the rows of the
// game list, the faces of the filter, reset and favourites buttons, and the
// rows of the filter popups. Each call draws one item into a surface of the
// item's size (rect is the whole item, normally at 0, 0).
//
// Icons are copied with pure green as the transparent colour (white for the
// reset button's "All" icon) and always at the item's top; sizes given in
// 1/96 inch become fixed pixel numbers on medium-scale screens.
#pragma once

#include <optional>
#include <string_view>

#include "catalogue.h"
#include "chooser_icon_set.h"
#include "geometry.h"
#include "screen_metrics.h"
#include "surface.h"

namespace velmora {

// The colours of a selected row: the highlight colour the program's dialogs
// use (also for the frame's title line), with white text.
inline constexpr Colour kHighlightColour = 0x0A50A0;
inline constexpr Colour kHighlightTextColour = 0xFFFFFF;
// The frame around a button that has the keyboard focus.
inline constexpr Colour kFocusFrameColour = 0x00FF00;

// The favourite button's face: what a tap on it would do with the selection.
enum class FavouriteAction { none, add, remove };

class ChooserPainter {
public:
    // rowFont: the font of the game list's rows; std::nullopt keeps the
    // surface's own.
    ChooserPainter(const ChooserIconSet& icons, const ScreenMetrics& metrics, std::optional<Font> rowFont);

    // A game's row: name, shortened with "…" when too wide, then the
    // favourite star, category, skill and time icons.
    void gameRow(Surface& surface, const Rect& rect, const CatalogueEntry& entry, bool favourite,
                 bool selected) const;
    // The row that stands for "no game passes the filters".
    void markerRow(Surface& surface, const Rect& rect, std::string_view text) const;

    void categoryButton(Surface& surface, const Rect& rect, int category) const;
    void skillButton(Surface& surface, const Rect& rect, int skill) const;
    void timeButton(Surface& surface, const Rect& rect, int timeClass) const;
    void letterButton(Surface& surface, const Rect& rect, int letter) const;
    void resetButton(Surface& surface, const Rect& rect) const;
    void favouriteButton(Surface& surface, const Rect& rect, FavouriteAction action) const;
    void favouritesButton(Surface& surface, const Rect& rect, bool favouritesMode) const;
    // The one-pixel frame every button gets after its face.
    void buttonFrame(Surface& surface, const Rect& rect, bool focused) const;

    void categoryRow(Surface& surface, const Rect& rect, int category, bool highlighted) const;
    void skillRow(Surface& surface, const Rect& rect, int skill, bool highlighted) const;
    void timeRow(Surface& surface, const Rect& rect, int timeClass, bool highlighted) const;
    void letterRow(Surface& surface, const Rect& rect, int letter, bool highlighted) const;

private:
    int x(int n) const;  // ScaleX
    int y(int n) const;  // ScaleY
    bool medium() const;
    // n in 1/96 inch, or the fixed pixel figure on a medium-scale screen.
    int xOrMedium(int n, int mediumPixels) const { return medium() ? mediumPixels : x(n); }

    void paintBackground(Surface& surface, const Rect& rect, bool highlighted) const;
    void drawIcon(Surface& surface, int left, int top, const Surface& icon) const;
    void drawText(Surface& surface, const Rect& rect, std::string_view text, unsigned format) const;
    // Left edge of a skill icon of the level, centred in a 30-unit slot.
    int skillSlotOffset(int skill) const;
    void buttonFace(Surface& surface, const Rect& rect) const;
    Point iconOrigin(const Rect& rect) const;

    const ChooserIconSet& icons_;
    ScreenMetrics metrics_;
    std::optional<Font> rowFont_;
};

}  // namespace velmora
