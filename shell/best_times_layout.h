// Where the Best Times list and its columns go in the dialog's content area,
// recomputed on every change of the content's size.
#pragma once

#include "screen_geometry.h"
#include "screen_metrics.h"

namespace velmora {

// The list's place in the content and its columns' widths, device pixels.
struct BestTimesListLayout {
    Rect list;
    int nameWidth = 0;
    int timeWidth = 0;

    friend bool operator==(const BestTimesListLayout&, const BestTimesListLayout&) = default;
};

// The "Time" column's fixed width.
int bestTimesTimeWidth(const ScreenMetrics& metrics);

// On screens of scale 1 or 2 the list is 312 pixels high when the content has
// room for it (the ten rows then show without a scroll bar); on a lower page
// it takes the page less the margins and the "Name" column leaves room for a
// scroll bar. On other scales the list is at most 207 pixels high once the
// page is more than 216 high, and the "Name" column always leaves room for a
// scroll bar, since nothing promises that ten rows fit.
BestTimesListLayout bestTimesListLayout(int contentWidth, int contentHeight, const ScreenMetrics& metrics);

}  // namespace velmora
