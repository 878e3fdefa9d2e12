#include "surface.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "font_mapping.h"
#include "qt_convert.h"
#include "resource_formats.h"
#include "resources.h"
#include "screen.h"

namespace velmora {

// The face a font description asks for: "Tahoma" and no face at all mean the
// machine's plain sans-serif face.
QFont qt::fontFor(const FontRequest& request, double ratio)
{
    QFont font;
    const bool wantsDefault = request.face.empty() || request.face == "Tahoma";
    if (wantsDefault) {
        font.setStyleHint(QFont::SansSerif);
        font.setFamily(QFontDatabase::hasFamily("DejaVu Sans") ? "DejaVu Sans" : "Sans Serif");
    } else {
        font.setFamily(qt::toQString(request.face));
    }
    // The default size is 12 pixels at 96 dpi and grows with denser screens,
    // so owner-drawn text keeps its size next to the controls' own text.
    const int height = request.height > 0 ? request.height : static_cast<int>(std::lround(12 * dpiScale()));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height / ratio))));
    font.setWeight(request.weight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(request.italic);
    return font;
}

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// A copy's rectangle after clipping to both surfaces; empty when nothing is left.
struct CopyArea {
    int x, y, width, height, sourceX, sourceY;
};

std::optional<CopyArea> clipCopy(CopyArea area, const QImage& target, const QImage& source)
{
    auto clipAxis = [](int& destination, int& sourceStart, int& length, int destinationSize, int sourceSize) {
        if (destination < 0) {
            sourceStart -= destination;
            length += destination;
            destination = 0;
        }
        if (sourceStart < 0) {
            destination -= sourceStart;
            length += sourceStart;
            sourceStart = 0;
        }
        length = std::min({length, destinationSize - destination, sourceSize - sourceStart});
    };
    clipAxis(area.x, area.sourceX, area.width, target.width(), source.width());
    clipAxis(area.y, area.sourceY, area.height, target.height(), source.height());
    if (area.width <= 0 || area.height <= 0)
        return std::nullopt;
    return area;
}

Rect clipRect(const Rect& rect, const QImage& image)
{
    return Rect{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, image.width()),
                std::min(rect.bottom, image.height())};
}

}  // namespace

// ---- Font ----------------------------------------------------------------------

Font::Font() = default;
Font::Font(const FontRequest& request) : request_(request) {}

int Font::lineHeight() const { return QFontMetrics(qt::fontFor(request_)).height(); }
int Font::averageCharWidth() const { return QFontMetrics(qt::fontFor(request_)).averageCharWidth(); }

// ---- Surface -------------------------------------------------------------------

struct Surface::State {
    QImage image;
    Colour pen = 0;
    Colour text = 0;
    Colour background = 0xFFFFFF;
    bool opaqueBackground = false;
    Point current;
    FontRequest font;
};

Surface::Surface() : state_(std::make_unique<State>()) {}

Surface::Surface(int width, int height) : Surface() { Create(width, height); }

Surface::~Surface() = default;
Surface::Surface(Surface&& other) noexcept : state_(std::move(other.state_))
{
    other.state_ = std::make_unique<State>();
}
Surface& Surface::operator=(Surface&& other) noexcept
{
    std::swap(state_, other.state_);
    return *this;
}

bool Surface::Create(int width, int height)
{
    Release();
    if (width <= 0 || height <= 0)
        return false;
    state_->image = QImage(width, height, QImage::Format_RGB32);
    if (state_->image.isNull())
        return false;
    state_->image.fill(QColor(0, 0, 0));
    return true;
}

void Surface::Release() { state_->image = QImage(); }
bool Surface::IsValid() const { return !state_->image.isNull(); }
int Surface::Width() const { return state_->image.width(); }
int Surface::Height() const { return state_->image.height(); }

bool Surface::LoadBitmap(const ResourceTable& table, int id)
{
    Release();
    const std::optional<BitmapData> bitmap = findBitmap(table, id);
    if (!bitmap || !Create(bitmap->width, bitmap->height))
        return false;
    for (int y = 0; y < bitmap->height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(state_->image.scanLine(y));
        const std::uint32_t* source = bitmap->pixels.data() + static_cast<std::size_t>(y) * bitmap->width;
        for (int x = 0; x < bitmap->width; ++x)
            row[x] = kOpaque | source[x];
    }
    return true;
}

bool Surface::LoadBitmap(int id) { return LoadBitmap(programResources(), id); }

void Surface::FillRect(const Rect& rect, Colour colour)
{
    const Rect area = clipRect(rect, state_->image);
    for (int y = area.top; y < area.bottom; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(state_->image.scanLine(y));
        std::fill(row + area.left, row + area.right, kOpaque | colour);
    }
}

void Surface::SetPenColour(Colour colour) { state_->pen = colour; }
void Surface::MoveTo(int x, int y) { state_->current = Point{x, y}; }

// Bresenham's line from the current position, leaving out the end point as
// the platform's line drawing does.
void Surface::LineTo(int x, int y)
{
    int px = state_->current.x;
    int py = state_->current.y;
    const int dx = std::abs(x - px);
    const int dy = -std::abs(y - py);
    const int stepX = px < x ? 1 : -1;
    const int stepY = py < y ? 1 : -1;
    int error = dx + dy;
    while (px != x || py != y) {
        SetPixel(px, py, state_->pen);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            px += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            py += stepY;
        }
    }
    state_->current = Point{x, y};
}

void Surface::FrameRect(const Rect& rect, Colour colour)
{
    if (rect.isEmpty())
        return;
    FillRect(Rect{rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillRect(Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillRect(Rect{rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillRect(Rect{rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void Surface::Copy(int x, int y, int width, int height, const Surface& source, int sourceX, int sourceY)
{
    if (&source == this) {
        // Copying within one surface reads from a snapshot, so overlapping
        // areas come out as if copied in one go.
        Surface snapshot;
        snapshot.state_->image = state_->image.copy();
        Copy(x, y, width, height, snapshot, sourceX, sourceY);
        return;
    }
    const std::optional<CopyArea> area =
        clipCopy(CopyArea{x, y, width, height, sourceX, sourceY}, state_->image, source.state_->image);
    if (!area)
        return;
    for (int row = 0; row < area->height; ++row) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(source.state_->image.constScanLine(area->sourceY + row));
        auto* to = reinterpret_cast<std::uint32_t*>(state_->image.scanLine(area->y + row));
        std::memcpy(to + area->x, from + area->sourceX, static_cast<std::size_t>(area->width) * 4);
    }
}

void Surface::CopyTransparent(int x, int y, int width, int height, const Surface& source, int sourceX, int sourceY,
                              Colour transparent)
{
    if (&source == this) {
        Surface snapshot;
        snapshot.state_->image = state_->image.copy();
        CopyTransparent(x, y, width, height, snapshot, sourceX, sourceY, transparent);
        return;
    }
    const std::optional<CopyArea> area =
        clipCopy(CopyArea{x, y, width, height, sourceX, sourceY}, state_->image, source.state_->image);
    if (!area)
        return;
    for (int row = 0; row < area->height; ++row) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(source.state_->image.constScanLine(area->sourceY + row));
        auto* to = reinterpret_cast<std::uint32_t*>(state_->image.scanLine(area->y + row));
        for (int column = 0; column < area->width; ++column) {
            const std::uint32_t pixel = from[area->sourceX + column];
            if ((pixel & 0xFFFFFF) != (transparent & 0xFFFFFF))
                to[area->x + column] = pixel;
        }
    }
}

void Surface::SelectFont(const Font& font) { state_->font = font.request(); }
void Surface::SetTextColour(Colour colour) { state_->text = colour; }
Colour Surface::TextColour() const { return state_->text; }
void Surface::SetBackgroundTransparent() { state_->opaqueBackground = false; }

void Surface::SetBackgroundColour(Colour colour)
{
    state_->background = colour;
    state_->opaqueBackground = true;
}

void Surface::DrawText(const Rect& rect, std::string_view utf8, unsigned format)
{
    if (!IsValid() || rect.isEmpty())
        return;
    QPainter painter(&state_->image);
    painter.setFont(qt::fontFor(state_->font));
    painter.setPen(qt::toQColor(state_->text));
    int flags = 0;
    if (format & text_format::centre)
        flags |= Qt::AlignHCenter;
    else if (format & text_format::right)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (format & text_format::verticalCentre)
        flags |= Qt::AlignVCenter;
    else if (format & text_format::bottom)
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (format & text_format::wordBreak)
        flags |= Qt::TextWordWrap;
    QString text = qt::toQString(utf8);
    if (format & text_format::singleLine)
        text.replace('\n', ' ');
    const QRect area(rect.left, rect.top, rect.width(), rect.height());
    painter.setClipRect(area);
    if (state_->opaqueBackground)
        painter.fillRect(painter.boundingRect(area, flags, text).intersected(area), qt::toQColor(state_->background));
    painter.drawText(area, flags, text);
}

Size Surface::MeasureText(std::string_view utf8) const
{
    const QFontMetrics metrics(qt::fontFor(state_->font));
    const QRect bounds = metrics.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop,
                                              qt::toQString(utf8));
    return Size{metrics.horizontalAdvance(qt::toQString(utf8)), bounds.height()};
}

void Surface::MarkRect(const Rect& rect)
{
    const Rect area = clipRect(rect, state_->image);
    for (int y = area.top; y < area.bottom; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(state_->image.scanLine(y));
        for (int x = area.left; x < area.right; ++x)
            row[x] ^= 0x00FFFFFFu;
    }
}

Colour Surface::Pixel(int x, int y) const
{
    if (!state_->image.valid(x, y))
        return 0;
    return reinterpret_cast<const std::uint32_t*>(state_->image.constScanLine(y))[x] & 0xFFFFFFu;
}

void Surface::SetPixel(int x, int y, Colour colour)
{
    if (!state_->image.valid(x, y))
        return;
    reinterpret_cast<std::uint32_t*>(state_->image.scanLine(y))[x] = kOpaque | colour;
}

const QImage* Surface::image() const { return IsValid() ? &state_->image : nullptr; }
QImage* Surface::image() { return IsValid() ? &state_->image : nullptr; }

}  // namespace velmora
