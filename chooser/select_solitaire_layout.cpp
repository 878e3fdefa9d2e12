#include "select_solitaire_layout.h"

#include <algorithm>

#include "screen.h"

namespace velmora {
namespace {

// A rectangle whose size never goes below zero, however small the dialog.
Rect placed(int left, int top, int width, int height)
{
    return Rect::fromSize(left, top, std::max(width, 0), std::max(height, 0));
}

// Pixel converters bound to one set of metrics.
struct Scale {
    const ScreenMetrics& metrics;
    int x(int n) const { return scaleX(metrics, n); }
    int y(int n) const { return scaleY(metrics, n); }
    bool medium() const { return isMediumScale(metrics); }
};

ChooserLayout standardLayout(int w, int h, const Scale& s)
{
    ChooserLayout layout;
    const int top = s.y(5);
    const int buttonHeight = s.y(20);
    layout.categoryButton = placed(s.x(5), top, w - s.x(169), buttonHeight);
    layout.skillButton = placed(w - s.x(159), top, s.x(53), buttonHeight);
    layout.timeButton = placed(w - s.x(101), top, s.x(53), buttonHeight);
    layout.letterButton = placed(w - s.x(43), top, s.x(20), buttonHeight);
    layout.resetButton = placed(w - s.x(18), top, s.x(13), buttonHeight);
    layout.gameList = placed(s.x(5), s.y(30), w - s.x(10), h - s.y(60));
    layout.favouriteButton = placed(s.x(5), h - s.y(25), s.x(90), buttonHeight);
    layout.favouritesButton = placed(w - s.x(95), h - s.y(25), s.x(90), buttonHeight);
    return layout;
}

ChooserLayout mediumLayout(int w, int h, const Scale& s)
{
    ChooserLayout layout;
    const int buttonHeight = s.y(20);
    const int bar = buttonHeight + 10;  // a row of buttons with its margins
    layout.categoryButton = placed(5, 5, w - 214, buttonHeight);
    layout.skillButton = placed(w - 204, 5, 65, buttonHeight);
    layout.timeButton = placed(w - 134, 5, 70, buttonHeight);
    layout.letterButton = placed(w - 59, 5, 28, buttonHeight);
    layout.resetButton = placed(w - 26, 5, 21, buttonHeight);
    layout.gameList = placed(5, bar, w - 10, h - 2 * bar);
    layout.favouriteButton = placed(5, h - buttonHeight - 5, 100, buttonHeight);
    layout.favouritesButton = placed(w - 105, h - buttonHeight - 5, 100, buttonHeight);
    return layout;
}

}  // namespace

ChooserLayout chooserLayout(int width, int height, const ScreenMetrics& metrics)
{
    const Scale scale{metrics};
    return scale.medium() ? mediumLayout(width, height, scale) : standardLayout(width, height, scale);
}

int popupRowCount(ChooserPopup popup)
{
    switch (popup) {
    case ChooserPopup::category: return 12;
    case ChooserPopup::skill: return 4;
    case ChooserPopup::time: return 5;
    case ChooserPopup::letterFirst:
    case ChooserPopup::letterSecond:
    case ChooserPopup::letterThird: return 9;
    }
    return 0;
}

int gameListRowHeight(const ScreenMetrics& metrics)
{
    return isMediumScale(metrics) ? 15 : scaleY(metrics, 15);
}

int popupRowHeight(const ScreenMetrics& metrics)
{
    return metrics.configuration == BuildConfiguration::vga ? 31 : 15;
}

Rect popupRect(ChooserPopup popup, int width, int height, const ScreenMetrics& metrics)
{
    const Scale s{metrics};
    const int w = width;
    const int top = s.y(5);
    const int rows = popupRowCount(popup) * popupRowHeight(metrics);
    // Letter columns are short enough never to be cut.
    const bool isLetter = popup == ChooserPopup::letterFirst || popup == ChooserPopup::letterSecond ||
                          popup == ChooserPopup::letterThird;
    const bool cut = !isLetter && height < s.y(7) + rows;
    const int popupHeight = cut ? height - top : s.y(2) + rows;

    switch (popup) {
    case ChooserPopup::category: {
        const int fullWidth = w - s.x(169);
        const int cutWidth = fullWidth < s.x(84) ? w - s.x(156) : fullWidth;
        return placed(s.x(5), top, cut ? cutWidth : fullWidth, popupHeight);
    }
    case ChooserPopup::skill: {
        // On a medium-scale screen the skill and time popups follow their
        // buttons, which are placed in fixed pixels there.
        const int left = s.medium() ? w - 204 : w - s.x(159);
        return placed(left, top, cut ? s.x(66) : s.x(53), popupHeight);
    }
    case ChooserPopup::time: {
        const int left = s.medium() ? w - 134 : w - s.x(101);
        return placed(left, top, cut ? s.x(66) : s.x(53), popupHeight);
    }
    case ChooserPopup::letterFirst: return placed(w - s.x(63), top, s.x(20), popupHeight);
    case ChooserPopup::letterSecond: return placed(w - s.x(44), top, s.x(20), popupHeight);
    case ChooserPopup::letterThird: return placed(w - s.x(25), top, s.x(20), popupHeight);
    }
    return Rect{};
}

Point buttonIconOffset(const ScreenMetrics& metrics)
{
    if (isMediumScale(metrics))
        return Point{5, (scaleY(metrics, 20) - 15) / 2};
    return Point{scaleX(metrics, 1), (5 * metrics.dpiY + 48) / 192};
}

}  // namespace velmora
