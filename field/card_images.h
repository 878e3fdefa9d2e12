// The card images of a deal and the glyphs of empty-pile marks.
//
// Every face and back is rendered once per deal into an image of card size,
// so that drawing a card on the field is one opaque block copy. The faces are
// composed from small rank and suit glyphs; the marks of empty piles copy
// their grey glyphs with white as the transparent colour. Missing or damaged
// bitmaps leave their place blank, never fail.
#pragma once

#include <array>

#include "card_artwork.h"
#include "field_drawing.h"
#include "field_view.h"
#include "resource_table.h"
#include "surface.h"

namespace velmora {

struct CardStyle {
    int sizeClass = 0;  // 1 large cards, 0 normal cards
    int width = 0;
    int height = 0;
    Colour face = 0xFFFFFF;
    Colour lightBorder = 0x999999;
    Colour darkBorder = 0x000000;
};

// A one-pixel border just inside rect: the left and top edges in the first
// colour, the right and bottom edges in the second. The bottom-left corner
// takes the first colour, the top-right corner the second.
void drawBorder(Surface& surface, const Rect& rect, Colour first, Colour second);

inline constexpr int kCardFaces = 52;
inline constexpr int kCardBacks = 4;
inline constexpr int kCardImages = kCardFaces + kCardBacks;

class CardArt {
public:
    // Releases what was prepared before, then renders the 52 faces (index
    // suit x 13 + rank) and 4 backs (index 52 + design) at the card size and
    // loads the glyphs of the empty-pile marks.
    void Prepare(const ResourceTable& resources, const ScreenMetrics& screen, const CardLayout& card,
                 bool largeCards);
    void Release();
    bool IsPrepared() const { return prepared_; }
    const CardStyle& Style() const { return style_; }

    // The image of a face (suit 0-3, rank 0-12) or of back design 0-3.
    const Surface& Face(int suit, int rank) const;
    const Surface& Back(int design) const;
    // What a card shows: its face, or back design `cardBack` when face down.
    // A design outside 0-3 shows design 0; a face outside the deck, the back.
    const Surface& ImageOf(const ViewCard& card, int cardBack) const;

    // Copies the card's image to target with its top-left corner at `at`.
    void DrawCard(Surface& target, Point at, const ViewCard& card, int cardBack) const;
    // Draws the outline of an empty pile at `at` and, by its style, its
    // redeal arrow or grey base-card glyphs.
    void DrawEmptyPile(Surface& target, Point at, const EmptyPileMark& mark) const;

private:
    void renderFace(Surface& image, int suit, int rank, const ResourceTable& resources) const;
    void renderBack(Surface& image, int design, const ResourceTable& resources) const;
    void loadMarkGlyphs(const ResourceTable& resources);
    void drawBaseCardMark(Surface& target, Point at, const EmptyPileMark& mark) const;

    bool prepared_ = false;
    CardStyle style_;
    CardArtworkIds ids_;
    ScreenMetrics screen_;
    bool largeCards_ = false;
    std::array<Surface, kCardImages> images_;
    std::array<Surface, 2> redealMarks_;
    std::array<Surface, 13> greyRanks_;
    std::array<Surface, 4> greyCornerSuits_;
    std::array<Surface, 4> greyCentreSuits_;
};

}  // namespace velmora
