// Conversions between the framework's types and Qt's (framework code only).
//
// Framework geometry is in device pixels; Qt widgets are placed in logical
// pixels. The ratio between them is the device pixel ratio of the widget's
// screen.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cmath>
#include <string>
#include <string_view>

#include "geometry.h"

namespace velmora::qt {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline QColor toQColor(Colour colour)
{
    return QColor(static_cast<int>((colour >> 16) & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>(colour & 0xFF));
}

inline double pixelRatio(const QWidget* widget)
{
    return widget ? widget->devicePixelRatioF() : 1.0;
}

inline int toDevice(double logical, double ratio) { return static_cast<int>(std::lround(logical * ratio)); }
inline int toLogical(int device, double ratio) { return static_cast<int>(std::lround(device / ratio)); }

inline QRect toLogicalRect(const Rect& rect, double ratio)
{
    const int left = toLogical(rect.left, ratio);
    const int top = toLogical(rect.top, ratio);
    return QRect(left, top, toLogical(rect.right, ratio) - left, toLogical(rect.bottom, ratio) - top);
}

inline Rect toDeviceRect(const QRect& rect, double ratio)
{
    return Rect{toDevice(rect.left(), ratio), toDevice(rect.top(), ratio),
                toDevice(rect.left() + rect.width(), ratio), toDevice(rect.top() + rect.height(), ratio)};
}

inline Point toDevicePoint(const QPointF& point, double ratio)
{
    return Point{static_cast<int>(std::floor(point.x() * ratio + 1e-6)),
                 static_cast<int>(std::floor(point.y() * ratio + 1e-6))};
}

}  // namespace velmora::qt
