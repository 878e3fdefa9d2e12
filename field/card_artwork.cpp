#include "card_artwork.h"

#include "screen_scale.h"

namespace velmora {
namespace {

// A scale strictly between 1 and 2, where several glyphs use fixed pixels.
bool isMediumScale(const ScreenMetrics& screen) { return screen.dpiY > 96 && screen.dpiY < 192; }

CardArtworkIds standardIds(bool large)
{
    CardArtworkIds ids;
    ids.rankGlyph = large ? 2001 : 2101;
    ids.cornerSuit = large ? 2054 : 2154;
    ids.centreSuit = large ? 2050 : 2150;
    ids.greyRank = large ? 300 : 340;
    ids.greyCornerSuit = large ? 384 : 404;
    ids.greyCentreSuit = large ? 380 : 400;
    ids.backs = large ? std::array<int, 4>{143, 145, 147, 149} : std::array<int, 4>{133, 135, 137, 139};
    ids.redealMarks = {154, 156};
    return ids;
}

CardArtworkIds vgaIds(bool large)
{
    CardArtworkIds ids;
    ids.rankGlyph = large ? 2201 : 2301;
    ids.cornerSuit = large ? 2254 : 2354;
    ids.centreSuit = large ? 2250 : 2350;
    ids.greyRank = large ? 320 : 360;
    ids.greyCornerSuit = large ? 394 : 414;
    ids.greyCentreSuit = large ? 390 : 410;
    ids.backs = large ? std::array<int, 4>{142, 144, 146, 148} : std::array<int, 4>{132, 134, 136, 138};
    ids.redealMarks = {153, 155};
    return ids;
}

// The corner suit and the centre suit of a face, scaled or fixed.
void placeSuits(GlyphPlaces& places, const ScreenMetrics& screen, const CardLayout& card, bool fixed)
{
    if (fixed) {
        places.cornerSuit = {card.width / 2 + 1, 1};
        places.centreSuit = {2, card.height - card.width + 3};
    } else {
        places.cornerSuit = {ScaleX(screen, 1) + card.width / 2, ScaleY(screen, 1)};
        places.centreSuit = {ScaleX(screen, 2), card.height - card.width + ScaleY(screen, 3)};
    }
}

}  // namespace

CardArtworkIds cardArtworkIds(BuildConfiguration configuration, bool largeCards)
{
    return configuration == BuildConfiguration::vga ? vgaIds(largeCards) : standardIds(largeCards);
}

GlyphPlaces faceGlyphPlaces(const ScreenMetrics& screen, const CardLayout& card, bool largeCards)
{
    const bool fixed = largeCards && isMediumScale(screen);
    GlyphPlaces places;
    places.rank = fixed ? Point{1, 1} : Point{ScaleX(screen, 1), ScaleY(screen, 1)};
    placeSuits(places, screen, card, fixed);
    return places;
}

GlyphPlaces baseMarkGlyphPlaces(const ScreenMetrics& screen, const CardLayout& card, bool largeCards)
{
    GlyphPlaces places;
    places.rank = isMediumScale(screen) ? Point{1, 1} : Point{ScaleX(screen, 1), ScaleY(screen, 1)};
    placeSuits(places, screen, card, largeCards && isMediumScale(screen));
    return places;
}

Point suitOnlyMarkPlace(const ScreenMetrics& screen, bool largeCards)
{
    if (largeCards && isMediumScale(screen))
        return {2, 3};
    return {ScaleX(screen, 2), ScaleY(screen, 3)};
}

Point redealMarkPlace(const ScreenMetrics& screen, const CardLayout& card)
{
    if (screen.configuration == BuildConfiguration::vga)
        return {(card.width - ScaleX(screen, 7)) / 2, (card.height - ScaleY(screen, 11)) / 2};
    return {(card.width - 7) / 2, (card.height - 11) / 2};
}

}  // namespace velmora
