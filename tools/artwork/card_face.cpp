#include "card_face.h"

#include <stdexcept>
#include <string>

namespace velmora::artwork {

const Image& bitmapById(const BitmapsById& bitmaps, int id)
{
    const auto found = bitmaps.find(id);
    if (found == bitmaps.end())
        throw std::out_of_range("no bitmap " + std::to_string(id));
    return found->second;
}

void drawBorder(Image& target, int x, int y, int width, int height, Rgb first, Rgb second)
{
    const int right = x + width - 1;
    const int bottom = y + height - 1;
    for (int row = y; row <= bottom; ++row) {
        target.set(x, row, first);
        target.set(right, row, second);
    }
    for (int column = x; column <= right; ++column) {
        target.set(column, y, first);
        target.set(column, bottom, second);
    }
    // The corners follow the order the lines are drawn in: the first colour
    // ends just before the top-right corner, the second just before the
    // bottom-left one.
    target.set(x, y, first);
    target.set(right, y, second);
    target.set(x, bottom, first);
}

Image cardFace(const BitmapsById& bitmaps, int unit, const CardSizeIds& card, int suit, int rank)
{
    Image face(card.cardWidth, card.cardHeight, kWhite);
    drawBorder(face, 0, 0, card.cardWidth, card.cardHeight, kLightBorder, kDarkBorder);
    face.copy(bitmapById(bitmaps, card.rankId + rank), unit, unit);
    face.copy(bitmapById(bitmaps, card.cornerSuitId + suit), unit + card.cardWidth / 2, unit);
    face.copy(bitmapById(bitmaps, card.centreSuitId + suit), 2 * unit, card.cardHeight - card.cardWidth + 3 * unit);
    return face;
}

Image cardBackFace(const BitmapsById& bitmaps, const CardSizeIds& card, int design)
{
    Image face(card.cardWidth, card.cardHeight, kWhite);
    face.copy(bitmapById(bitmaps, card.firstBackId + 2 * design), 0, 0);
    drawBorder(face, 0, 0, card.cardWidth, card.cardHeight, kLightBorder, kDarkBorder);
    return face;
}

void drawEmptyPileMark(Image& target, int x, int y, const BitmapsById& bitmaps, int unit, const CardSizeIds& card,
                       int baseRank, int baseSuit)
{
    drawBorder(target, x, y, card.cardWidth, card.cardHeight, kLightBorder, kLightBorder);
    const int centreY = card.cardHeight - card.cardWidth + 3 * unit;
    if (baseRank < 0) {
        if (baseSuit >= 0)
            target.copyTransparent(bitmapById(bitmaps, card.greyCentreSuitId + baseSuit), x + 2 * unit, y + 3 * unit,
                                   kWhite);
        return;
    }
    target.copyTransparent(bitmapById(bitmaps, card.greyRankId + baseRank), x + unit, y + unit, kWhite);
    if (baseSuit < 0)
        return;
    target.copyTransparent(bitmapById(bitmaps, card.greyCornerSuitId + baseSuit), x + unit + card.cardWidth / 2,
                           y + unit, kWhite);
    target.copyTransparent(bitmapById(bitmaps, card.greyCentreSuitId + baseSuit), x + 2 * unit, y + centreY, kWhite);
}

void drawRedealPileMark(Image& target, int x, int y, const BitmapsById& bitmaps, const ConfigurationIds& ids,
                        const CardSizeIds& card, int counter)
{
    drawBorder(target, x, y, card.cardWidth, card.cardHeight, kLightBorder, kLightBorder);
    const Image& mark = bitmapById(bitmaps, ids.redealIds[counter]);
    target.copyTransparent(mark, x + (card.cardWidth - 7 * ids.unit) / 2, y + (card.cardHeight - 11 * ids.unit) / 2,
                           kWhite);
}

}  // namespace velmora::artwork
