// Cards put together from the bitmaps the way the game field does it, so
// the artwork can be judged as the player sees it.
#pragma once

#include <map>

#include "card_ids.h"
#include "image.h"

namespace velmora::artwork {

constexpr Rgb kLightBorder = rgb(0x999999);
constexpr Rgb kDarkBorder = rgb(0x000000);

using BitmapsById = std::map<int, Image>;

// Throws std::out_of_range when a bitmap the card needs is missing.
const Image& bitmapById(const BitmapsById& bitmaps, int id);

// A one-pixel frame: first colour on the left and top edges, second on the
// right and bottom edges.
void drawBorder(Image& target, int x, int y, int width, int height, Rgb first, Rgb second);

// White face, border, then rank glyph, corner suit and centre suit copied
// opaque at their places.
Image cardFace(const BitmapsById& bitmaps, int unit, const CardSizeIds& card, int suit, int rank);
// White, the back bitmap at the corner, then the border.
Image cardBackFace(const BitmapsById& bitmaps, const CardSizeIds& card, int design);

// An empty pile's mark at (x, y): a light outline, then the grey rank and
// suits (baseRank or baseSuit -1 for none), copied with white left out.
void drawEmptyPileMark(Image& target, int x, int y, const BitmapsById& bitmaps, int unit, const CardSizeIds& card,
                       int baseRank, int baseSuit);
// A stock's empty-pile mark with the redeal arrow of the counter centred.
void drawRedealPileMark(Image& target, int x, int y, const BitmapsById& bitmaps, const ConfigurationIds& ids,
                        const CardSizeIds& card, int counter);

}  // namespace velmora::artwork
