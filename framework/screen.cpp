#include "screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

#include "window.h"

namespace velmora {

namespace {

ScreenMetrics g_metrics;
std::optional<int> g_pixelsPerInchOverride;

const QScreen* screenOf(const CeBaseWnd* window)
{
    if (window && window->widget() && window->widget()->screen())
        return window->widget()->screen();
    return QGuiApplication::primaryScreen();
}

}  // namespace

const ScreenMetrics& screenMetrics() { return g_metrics; }
void setScreenMetrics(const ScreenMetrics& metrics) { g_metrics = metrics; }

int ScaleX(int n) { return scaleX(g_metrics, n); }
int ScaleY(int n) { return scaleY(g_metrics, n); }
double dpiScale() { return dpiScaleOf(g_metrics); }
bool isVga() { return isVgaScreen(g_metrics); }

ScreenMetrics readScreenMetrics(BuildConfiguration configuration, const CeBaseWnd* window)
{
    ScreenMetrics metrics;
    metrics.configuration = configuration;
    int pixelsPerInch = 96;
    if (g_pixelsPerInchOverride) {
        pixelsPerInch = *g_pixelsPerInchOverride;
    } else if (const QScreen* screen = screenOf(window)) {
        pixelsPerInch = static_cast<int>(std::lround(96.0 * screen->devicePixelRatio()));
    }
    metrics.dpiX = pixelsPerInch;
    metrics.dpiY = pixelsPerInch;
    return metrics;
}

void setPixelsPerInchOverride(std::optional<int> pixelsPerInch) { g_pixelsPerInchOverride = pixelsPerInch; }

}  // namespace velmora
