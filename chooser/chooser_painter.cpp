#include "chooser_painter.h"

#include "chooser_filter.h"
#include "name_shortening.h"
#include "screen.h"
#include "select_solitaire_layout.h"

namespace velmora {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr unsigned kCentredLine = text_format::centre | text_format::verticalCentre | text_format::singleLine;
constexpr unsigned kLeftLine = text_format::left | text_format::verticalCentre | text_format::singleLine;

// Texts of the favourites buttons.
constexpr std::string_view kToFavourites = "to";
constexpr std::string_view kFromFavourites = "from";
constexpr std::string_view kFavourites = "Favorites";
constexpr std::string_view kCloseFavourites = "Close Favorites";

Rect fromLeft(const Rect& rect, int left) { return Rect{left, rect.top, rect.right, rect.bottom}; }

}  // namespace

ChooserPainter::ChooserPainter(const ChooserIconSet& icons, const ScreenMetrics& metrics,
                               std::optional<Font> rowFont)
    : icons_(icons), metrics_(metrics), rowFont_(std::move(rowFont))
{
}

int ChooserPainter::x(int n) const { return scaleX(metrics_, n); }
int ChooserPainter::y(int n) const { return scaleY(metrics_, n); }
bool ChooserPainter::medium() const { return isMediumScale(metrics_); }

void ChooserPainter::paintBackground(Surface& surface, const Rect& rect, bool highlighted) const
{
    surface.FillRect(rect, highlighted ? kHighlightColour : kWhite);
    surface.SetTextColour(highlighted ? kHighlightTextColour : kBlack);
    surface.SetBackgroundTransparent();
}

void ChooserPainter::drawIcon(Surface& surface, int left, int top, const Surface& icon) const
{
    if (icon.IsValid())
        surface.CopyTransparent(left, top, icon, kIconTransparentRgb);
}

void ChooserPainter::drawText(Surface& surface, const Rect& rect, std::string_view text, unsigned format) const
{
    if (!rect.isEmpty())
        surface.DrawText(rect, text, format);
}

int ChooserPainter::skillSlotOffset(int skill) const
{
    return medium() ? (30 - 10 * skill) / 2 : x(10) * (3 - skill) / 2;
}

// ---- Game list ---------------------------------------------------------------

void ChooserPainter::gameRow(Surface& surface, const Rect& rect, const CatalogueEntry& entry, bool favourite,
                             bool selected) const
{
    paintBackground(surface, rect, selected);
    if (rowFont_)
        surface.SelectFont(*rowFont_);

    const Rect nameRect{rect.left + xOrMedium(2, 2), rect.top, rect.right - xOrMedium(92, 120), rect.bottom};
    const int room = nameRect.width();
    const std::string name = shortenToFit(entry.name, [&](std::string_view candidate) {
        return surface.MeasureText(candidate).width <= room;
    });
    drawText(surface, nameRect, name, kLeftLine);

    const int x0 = rect.right - xOrMedium(90, 118);
    if (favourite)
        drawIcon(surface, x0, rect.top, icons_.icon(ChooserIcon::favouriteStar));
    const int x1 = x0 + xOrMedium(19, 27);
    if (entry.category != kOtherCategory)
        drawIcon(surface, x1, rect.top, icons_.category(entry.category));
    drawIcon(surface, x1 + xOrMedium(19, 27) + skillSlotOffset(entry.skill), rect.top, icons_.skill(entry.skill));
    drawIcon(surface, x1 + xOrMedium(53, 69), rect.top, icons_.time(entry.timeClass));
}

void ChooserPainter::markerRow(Surface& surface, const Rect& rect, std::string_view text) const
{
    paintBackground(surface, rect, false);
    if (rowFont_)
        surface.SelectFont(*rowFont_);
    drawText(surface, rect, text, kCentredLine);
}

// ---- Buttons -------------------------------------------------------------------

void ChooserPainter::buttonFace(Surface& surface, const Rect& rect) const { paintBackground(surface, rect, false); }

Point ChooserPainter::iconOrigin(const Rect& rect) const
{
    const Point offset = buttonIconOffset(metrics_);
    return Point{rect.left + offset.x, rect.top + offset.y};
}

void ChooserPainter::categoryButton(Surface& surface, const Rect& rect, int category) const
{
    buttonFace(surface, rect);
    const Point o = iconOrigin(rect);
    drawIcon(surface, o.x, o.y, icons_.icon(ChooserIcon::folder));
    drawText(surface, fromLeft(rect, o.x + xOrMedium(20, 24)), categoryFilterName(category), kLeftLine);
}

void ChooserPainter::skillButton(Surface& surface, const Rect& rect, int skill) const
{
    buttonFace(surface, rect);
    const Point o = iconOrigin(rect);
    drawIcon(surface, o.x, o.y, icons_.icon(ChooserIcon::stars));
    const int slot = o.x + xOrMedium(17, 21);
    if (skill == 0)
        drawText(surface, fromLeft(rect, slot), "All", kLeftLine);
    else
        drawIcon(surface, slot + skillSlotOffset(skill), o.y, icons_.skill(skill));
}

void ChooserPainter::timeButton(Surface& surface, const Rect& rect, int timeClass) const
{
    buttonFace(surface, rect);
    const Point o = iconOrigin(rect);
    drawIcon(surface, o.x, o.y, icons_.icon(ChooserIcon::clock));
    drawText(surface, fromLeft(rect, o.x + xOrMedium(15, 19)), timeFilterName(timeClass), kLeftLine);
}

void ChooserPainter::letterButton(Surface& surface, const Rect& rect, int letter) const
{
    buttonFace(surface, rect);
    drawText(surface, rect, letterFilterName(letter), kCentredLine);
}

void ChooserPainter::resetButton(Surface& surface, const Rect& rect) const
{
    buttonFace(surface, rect);
    const Point o = iconOrigin(rect);
    const Surface& all = icons_.icon(ChooserIcon::all);
    if (all.IsValid())
        surface.CopyTransparent(o.x, o.y + y(2), all, kAllIconTransparentRgb);
}

void ChooserPainter::favouriteButton(Surface& surface, const Rect& rect, FavouriteAction action) const
{
    buttonFace(surface, rect);
    if (action == FavouriteAction::none)
        return;
    const Point o = iconOrigin(rect);
    const bool add = action == FavouriteAction::add;
    const int arrowX = o.x + xOrMedium(6, 6);
    // The arrows sit lower than the other icons: 2 pixels with the standard
    // artwork, ScaleY(2) with the large one.
    const int arrowY = o.y + (metrics_.configuration == BuildConfiguration::standard ? 2 : y(2));
    drawIcon(surface, arrowX, arrowY, icons_.icon(add ? ChooserIcon::rightArrow : ChooserIcon::leftArrow));
    const int starX = rect.right - x(1) - x(21);
    drawIcon(surface, starX, o.y, icons_.icon(ChooserIcon::favouriteStar));
    const Rect wordRect{arrowX + x(17), rect.top, starX, rect.bottom};
    drawText(surface, wordRect, add ? kToFavourites : kFromFavourites, kCentredLine);
}

void ChooserPainter::favouritesButton(Surface& surface, const Rect& rect, bool favouritesMode) const
{
    buttonFace(surface, rect);
    if (favouritesMode) {
        drawText(surface, rect, kCloseFavourites, kCentredLine);
        return;
    }
    const Point o = iconOrigin(rect);
    const int starX = o.x + xOrMedium(6, 6);
    drawIcon(surface, starX, o.y, icons_.icon(ChooserIcon::favouriteStar));
    drawText(surface, fromLeft(rect, starX + xOrMedium(17, 17)), kFavourites, kCentredLine);
}

void ChooserPainter::buttonFrame(Surface& surface, const Rect& rect, bool focused) const
{
    surface.FrameRect(rect, focused ? kFocusFrameColour : kBlack);
}

// ---- Popup rows ------------------------------------------------------------------

void ChooserPainter::categoryRow(Surface& surface, const Rect& rect, int category, bool highlighted) const
{
    paintBackground(surface, rect, highlighted);
    const int left = rect.left + (medium() ? 4 : 0);
    drawIcon(surface, left, rect.top, icons_.category(category));
    drawText(surface, fromLeft(rect, left + xOrMedium(20, 24)), categoryFilterName(category), kLeftLine);
}

void ChooserPainter::skillRow(Surface& surface, const Rect& rect, int skill, bool highlighted) const
{
    paintBackground(surface, rect, highlighted);
    const int left = rect.left + xOrMedium(2, 6);
    if (skill == 0)
        drawText(surface, fromLeft(rect, left), "All", kLeftLine);
    else
        drawIcon(surface, left, rect.top, icons_.skill(skill));
}

void ChooserPainter::timeRow(Surface& surface, const Rect& rect, int timeClass, bool highlighted) const
{
    paintBackground(surface, rect, highlighted);
    drawIcon(surface, rect.left, rect.top, icons_.time(timeClass));
    drawText(surface, fromLeft(rect, rect.left + xOrMedium(15, 19)), timeFilterName(timeClass), kLeftLine);
}

void ChooserPainter::letterRow(Surface& surface, const Rect& rect, int letter, bool highlighted) const
{
    paintBackground(surface, rect, highlighted);
    drawText(surface, rect, letterFilterName(letter), kCentredLine);
}

}  // namespace velmora
