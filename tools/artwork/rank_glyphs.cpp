#include "rank_glyphs.h"

#include <array>
#include <stdexcept>

#include "stroke_font.h"

namespace velmora::artwork {

std::string rankName(int rank)
{
    static constexpr std::array<const char*, kRankCount> names{"A", "2", "3", "4", "5", "6", "7",
                                                               "8", "9", "10", "J", "Q", "K"};
    if (rank < 0 || rank >= kRankCount)
        throw std::out_of_range("rank " + std::to_string(rank));
    return names[static_cast<std::size_t>(rank)];
}

Image rankGlyph(const GridLibrary* handDrawn, int rank, int width, int height, Rgb ink, Edge edge)
{
    Image image(width, height, kWhite);
    if (handDrawn != nullptr) {
        paintGrid(image, handDrawn->get("rank " + rankName(rank), width, height), 0, 0, ink);
        return image;
    }
    // The ink keeps a pixel of white above and to the left, where the glyph
    // meets the card's border, and the pen is a fifth of the ink's height.
    const int inkHeight = height - 2;
    const PenGrid grid(1, 1, inkHeight, (inkHeight + 2) / 5);
    paint(image, renderStrokes(rankStrokes(rank, grid), grid.penWidth()), ink, edge);
    return image;
}

}  // namespace velmora::artwork
