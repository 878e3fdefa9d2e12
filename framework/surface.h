// Drawing surfaces: memory images of 32-bit RGB pixels and the drawing calls
// the program composes its screens with.
//
// A Surface is an off-screen image (the program's OffscreenImage): opaque
// block copies and copies with a transparent colour between surfaces, solid
// fills, one-pixel lines, text in created fonts, and an inverting
// rectangle mark. Everything is in device pixels and never antialiased except
// for text; copies and fills are exact, so tests can read pixels back.
// Operations on an empty surface, or reaching outside one, are clipped.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "geometry.h"
#include "resource_table.h"

class QImage;

namespace velmora {

// A font description. The face "Tahoma" (and an empty face) means the
// default sans-serif face of the machine (DejaVu Sans on Debian).
struct FontRequest {
    std::string face;
    int height = 0;     // character height in device pixels; 0 = the default size (12 at 96 dpi, scaled)
    int weight = 400;   // 400 normal, 700 bold
    bool italic = false;
    friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

// A created font; cheap to copy.
class Font {
public:
    Font();
    explicit Font(const FontRequest& request);
    const FontRequest& request() const { return request_; }
    // Line height and average character width in device pixels.
    int lineHeight() const;
    int averageCharWidth() const;

private:
    FontRequest request_;
};

// DrawText format bits.
namespace text_format {
inline constexpr unsigned left = 0x0;
inline constexpr unsigned centre = 0x1;      // horizontally
inline constexpr unsigned right = 0x2;
inline constexpr unsigned verticalCentre = 0x4;
inline constexpr unsigned bottom = 0x8;
inline constexpr unsigned wordBreak = 0x10;  // wrap at word boundaries
inline constexpr unsigned singleLine = 0x20;
}  // namespace text_format

class Surface {
public:
    Surface();
    Surface(int width, int height);
    ~Surface();
    Surface(Surface&& other) noexcept;
    Surface& operator=(Surface&& other) noexcept;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Releases what the surface held and makes a width x height image, all
    // black. False (and an empty surface) for a size that is not positive.
    bool Create(int width, int height);
    void Release();
    bool IsValid() const;
    int Width() const;
    int Height() const;
    Rect Bounds() const { return Rect{0, 0, Width(), Height()}; }

    // Replaces the contents by bitmap resource id; false, leaving the surface
    // empty, when the bitmap is missing or damaged.
    bool LoadBitmap(const ResourceTable& table, int id);
    bool LoadBitmap(int id);  // from the program's resources

    // Solid brush.
    void FillRect(const Rect& rect, Colour colour);
    void Fill(Colour colour) { FillRect(Bounds(), colour); }

    // One-pixel solid pen. LineTo draws from the current position up to, not
    // including, the end point and then makes the end point current.
    void SetPenColour(Colour colour);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // One-pixel outline just inside rect.
    void FrameRect(const Rect& rect, Colour colour);

    // Opaque block copy of the width x height area at (sourceX, sourceY) of
    // source to (x, y).
    void Copy(int x, int y, int width, int height, const Surface& source, int sourceX = 0,
              int sourceY = 0);
    // The same, leaving pixels of the transparent colour in source undrawn.
    void CopyTransparent(int x, int y, int width, int height, const Surface& source, int sourceX,
                         int sourceY, Colour transparent);
    // Whole-source forms.
    void Copy(int x, int y, const Surface& source) { Copy(x, y, source.Width(), source.Height(), source); }
    void CopyTransparent(int x, int y, const Surface& source, Colour transparent) {
        CopyTransparent(x, y, source.Width(), source.Height(), source, 0, 0, transparent);
    }

    // Text. The background behind text is transparent unless an opaque
    // background colour is set.
    void SelectFont(const Font& font);
    void SetTextColour(Colour colour);
    Colour TextColour() const;
    void SetBackgroundTransparent();
    void SetBackgroundColour(Colour colour);  // also makes the background opaque
    // Draws UTF-8 text inside rect with text_format bits (left, top and
    // several lines separated by '\n' when no bits are given).
    void DrawText(const Rect& rect, std::string_view utf8, unsigned format);
    Size MeasureText(std::string_view utf8) const;

    // Marks rect so that it stands out on any contents: inverts every pixel.
    void MarkRect(const Rect& rect);

    Colour Pixel(int x, int y) const;  // 0 outside the surface
    void SetPixel(int x, int y, Colour colour);

    // For the framework's own painting code.
    const QImage* image() const;
    QImage* image();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The off-screen image the game field composes in.
using OffscreenImage = Surface;

}  // namespace velmora
