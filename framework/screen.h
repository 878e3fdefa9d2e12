// Screen metrics and the conversion of 1/96-inch sizes to device pixels.
//
// The program reads the screen's pixels per inch once at start
// (readScreenMetrics) and makes them the program-wide metrics
// (setScreenMetrics); ScaleX, ScaleY, dpiScale and isVga answer from them.
// Pixels per inch are 96 times the device pixel ratio of the window's screen,
// the same in both directions. Tests choose the value with
// setPixelsPerInchOverride, which readScreenMetrics then reports.
#pragma once

#include <optional>

#include "screen_metrics.h"

namespace velmora {

class CeBaseWnd;

// Integer conversions of a size n given in 1/96 inch.
constexpr int scaleX(const ScreenMetrics& metrics, int n) { return (n * metrics.dpiX + 48) / 96; }
constexpr int scaleY(const ScreenMetrics& metrics, int n) { return (n * metrics.dpiY + 48) / 96; }
constexpr double dpiScaleOf(const ScreenMetrics& metrics) { return metrics.dpiY / 96.0; }
constexpr bool isVgaScreen(const ScreenMetrics& metrics) { return metrics.dpiX == 192; }
// A scale strictly between 1 and 2, where several layouts use fixed pixels.
constexpr bool isMediumScale(const ScreenMetrics& metrics) {
    return metrics.dpiY > 96 && metrics.dpiY < 192;
}

// Program-wide metrics (96 dpi, standard configuration until set).
const ScreenMetrics& screenMetrics();
void setScreenMetrics(const ScreenMetrics& metrics);

int ScaleX(int n);
int ScaleY(int n);
double dpiScale();
bool isVga();

// Pixels per inch of the screen that shows the window (the primary screen
// when window is null or has no screen yet), in the given configuration.
// Needs the Application (application.h) to exist.
ScreenMetrics readScreenMetrics(BuildConfiguration configuration, const CeBaseWnd* window = nullptr);

// Makes readScreenMetrics report this many pixels per inch whatever the
// screen; std::nullopt returns to the real screen.
void setPixelsPerInchOverride(std::optional<int> pixelsPerInch);

}  // namespace velmora
