#include "suit_glyphs.h"

#include <array>
#include <stdexcept>
#include <string>

#include "palette.h"

namespace velmora::artwork {
namespace {

// Outlines on a 100 x 100 design square, y down.
class DesignSquare {
public:
    DesignSquare(double left, double top, double size) : left_(left), top_(top), scale_(size / 100.0) {}
    Point operator()(double x, double y) const { return {left_ + x * scale_, top_ + y * scale_}; }
    double length(double units) const { return units * scale_; }

private:
    double left_;
    double top_;
    double scale_;
};

Region heart(const DesignSquare& at)
{
    Path path;
    path.moveTo(at(50, 97))
        .cubicTo(at(36, 80), at(1, 62), at(1, 33))
        .cubicTo(at(1, 14), at(13, 4), at(27, 4))
        .cubicTo(at(38, 4), at(46, 11), at(50, 21))
        .cubicTo(at(54, 11), at(62, 4), at(73, 4))
        .cubicTo(at(87, 4), at(99, 14), at(99, 33))
        .cubicTo(at(99, 62), at(64, 80), at(50, 97));
    return path.region();
}

Region diamond(const DesignSquare& at)
{
    Path path;
    path.moveTo(at(50, 1))
        .quadTo(at(68, 29), at(89, 50))
        .quadTo(at(68, 71), at(50, 99))
        .quadTo(at(32, 71), at(11, 50))
        .quadTo(at(32, 29), at(50, 1));
    return path.region();
}

// The flared foot shared by spades and clubs, from the body's joint down.
Path& stem(Path& path, const DesignSquare& at, double joinLeft, double joinRight, double joinY)
{
    return path.cubicTo(at(joinLeft - 1, 86), at(39, 96), at(29, 99))
        .lineTo(at(71, 99))
        .cubicTo(at(61, 96), at(joinRight + 1, 86), at(joinRight, joinY));
}

Region spade(const DesignSquare& at)
{
    Path path;
    path.moveTo(at(50, 1))
        .cubicTo(at(40, 18), at(1, 38), at(1, 62))
        .cubicTo(at(1, 77), at(12, 85), at(25, 85))
        .cubicTo(at(35, 85), at(42, 80), at(45.5, 73));
    stem(path, at, 45.5, 54.5, 73)
        .cubicTo(at(57, 80), at(65, 85), at(75, 85))
        .cubicTo(at(88, 85), at(99, 77), at(99, 62))
        .cubicTo(at(99, 38), at(60, 18), at(50, 1));
    return path.region();
}

Region club(const DesignSquare& at)
{
    Path foot;
    foot.moveTo(at(45, 60));
    stem(foot, at, 45, 55, 60);
    return unite({circle(at(50, 25), at.length(23)), circle(at(24, 60), at.length(23)),
                  circle(at(76, 60), at.length(23)), circle(at(50, 52), at.length(12)), foot.region()});
}

}  // namespace

Rgb suitInk(int suit)
{
    return suit >= 2 ? kSuitRed : kBlack;
}

const char* suitName(int suit)
{
    static constexpr std::array<const char*, kSuitCount> names{"spade", "club", "diamond", "heart"};
    if (suit < 0 || suit >= kSuitCount)
        throw std::out_of_range("suit " + std::to_string(suit));
    return names[static_cast<std::size_t>(suit)];
}

Region suitShape(int suit, double left, double top, double size)
{
    const DesignSquare square(left, top, size);
    switch (suit) {
    case 0:
        return spade(square);
    case 1:
        return club(square);
    case 2:
        return diamond(square);
    case 3:
        return heart(square);
    default:
        throw std::out_of_range("suit " + std::to_string(suit));
    }
}

Image suitGlyph(const GridLibrary* handDrawn, int suit, int size, Rgb ink, Edge edge)
{
    Image image(size, size, kWhite);
    if (handDrawn != nullptr && size < kSmallestDrawnSuit) {
        paintGrid(image, handDrawn->get(std::string("suit ") + suitName(suit), size, size), 0, 0, ink);
        return image;
    }
    // A margin of a twelfth of the size keeps the symbol clear of its
    // neighbours on the card.
    const double margin = size / 12.0;
    paint(image, suitShape(suit, margin, margin, size - 2 * margin), ink, edge);
    return image;
}

}  // namespace velmora::artwork
