#include "best_times_layout.h"

#include <algorithm>

#include "screen.h"

namespace velmora {
namespace {

constexpr int kFullListHeight = 312;
constexpr int kOtherScaleMaxHeight = 207;
constexpr int kOtherScaleCapFrom = 216;

bool isWholeScale(const ScreenMetrics& metrics)
{
    return metrics.dpiY == 96 || metrics.dpiY == 192;
}

}  // namespace

int bestTimesTimeWidth(const ScreenMetrics& metrics)
{
    return scaleX(metrics, 40);
}

BestTimesListLayout bestTimesListLayout(int contentWidth, int contentHeight, const ScreenMetrics& metrics)
{
    BestTimesListLayout layout;
    layout.timeWidth = bestTimesTimeWidth(metrics);
    const int left = scaleX(metrics, 5);
    const int top = scaleY(metrics, 5);
    const int width = std::max(0, contentWidth - scaleX(metrics, 10));
    int height = std::max(0, contentHeight - scaleY(metrics, 10));
    int nameWidth = contentWidth - scaleX(metrics, 25) - layout.timeWidth;
    if (isWholeScale(metrics)) {
        if (contentHeight >= kFullListHeight + scaleY(metrics, 10)) {
            height = kFullListHeight;
            nameWidth = contentWidth - layout.timeWidth - scaleX(metrics, 13);
        }
    } else if (contentHeight > kOtherScaleCapFrom) {
        height = std::min(height, kOtherScaleMaxHeight);
    }
    layout.list = Rect::fromSize(left, top, width, height);
    layout.nameWidth = std::max(0, nameWidth);
    return layout;
}

}  // namespace velmora
