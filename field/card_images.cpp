#include "card_images.h"

namespace velmora {
namespace {

constexpr int kRanks = 13;
constexpr int kSuits = 4;
constexpr Colour kWhite = 0xFFFFFF;

// The glyphs every face is composed from, loaded once per deal.
struct FaceGlyphs {
    std::array<Surface, kRanks> ranks;
    std::array<Surface, kSuits> cornerSuits;
    std::array<Surface, kSuits> centreSuits;
};

template <std::size_t N>
void loadSeries(std::array<Surface, N>& glyphs, const ResourceTable& resources, int firstId)
{
    for (std::size_t i = 0; i < N; ++i)
        glyphs[i].LoadBitmap(resources, firstId + static_cast<int>(i));
}

void copyGlyph(Surface& target, Point at, Point offset, const Surface& glyph)
{
    target.Copy(at.x + offset.x, at.y + offset.y, glyph);
}

void copyGlyphTransparent(Surface& target, Point at, Point offset, const Surface& glyph)
{
    target.CopyTransparent(at.x + offset.x, at.y + offset.y, glyph, kWhite);
}

}  // namespace

void drawBorder(Surface& surface, const Rect& rect, Colour first, Colour second)
{
    surface.SetPenColour(first);
    surface.MoveTo(rect.left, rect.bottom - 1);
    surface.LineTo(rect.left, rect.top);
    surface.LineTo(rect.right - 1, rect.top);
    surface.SetPenColour(second);
    surface.LineTo(rect.right - 1, rect.bottom - 1);
    surface.LineTo(rect.left, rect.bottom - 1);
}

void CardArt::Prepare(const ResourceTable& resources, const ScreenMetrics& screen, const CardLayout& card,
                      bool largeCards)
{
    Release();
    style_.sizeClass = largeCards ? 1 : 0;
    style_.width = card.width;
    style_.height = card.height;
    ids_ = cardArtworkIds(screen.configuration, largeCards);
    screen_ = screen;
    largeCards_ = largeCards;

    FaceGlyphs glyphs;
    loadSeries(glyphs.ranks, resources, ids_.rankGlyph);
    loadSeries(glyphs.cornerSuits, resources, ids_.cornerSuit);
    loadSeries(glyphs.centreSuits, resources, ids_.centreSuit);
    const GlyphPlaces places = faceGlyphPlaces(screen, card, largeCards);
    for (int suit = 0; suit < kSuits; ++suit) {
        for (int rank = 0; rank < kRanks; ++rank) {
            Surface& image = images_[static_cast<std::size_t>(suit * kRanks + rank)];
            image.Create(card.width, card.height);
            image.Fill(style_.face);
            drawBorder(image, image.Bounds(), style_.lightBorder, style_.darkBorder);
            copyGlyph(image, {}, places.rank, glyphs.ranks[static_cast<std::size_t>(rank)]);
            copyGlyph(image, {}, places.cornerSuit, glyphs.cornerSuits[static_cast<std::size_t>(suit)]);
            copyGlyph(image, {}, places.centreSuit, glyphs.centreSuits[static_cast<std::size_t>(suit)]);
        }
    }
    for (int design = 0; design < kCardBacks; ++design) {
        Surface& image = images_[static_cast<std::size_t>(kCardFaces + design)];
        image.Create(card.width, card.height);
        image.Fill(kWhite);
        Surface pattern;
        pattern.LoadBitmap(resources, ids_.backs[static_cast<std::size_t>(design)]);
        image.Copy(0, 0, pattern);
        drawBorder(image, image.Bounds(), style_.lightBorder, style_.darkBorder);
    }
    loadMarkGlyphs(resources);
    prepared_ = true;
}

void CardArt::loadMarkGlyphs(const ResourceTable& resources)
{
    for (std::size_t counter = 0; counter < redealMarks_.size(); ++counter)
        redealMarks_[counter].LoadBitmap(resources, ids_.redealMarks[counter]);
    loadSeries(greyRanks_, resources, ids_.greyRank);
    loadSeries(greyCornerSuits_, resources, ids_.greyCornerSuit);
    loadSeries(greyCentreSuits_, resources, ids_.greyCentreSuit);
}

void CardArt::Release()
{
    for (Surface& image : images_)
        image.Release();
    for (Surface& glyph : redealMarks_)
        glyph.Release();
    for (Surface& glyph : greyRanks_)
        glyph.Release();
    for (Surface& glyph : greyCornerSuits_)
        glyph.Release();
    for (Surface& glyph : greyCentreSuits_)
        glyph.Release();
    prepared_ = false;
}

const Surface& CardArt::Face(int suit, int rank) const
{
    return images_[static_cast<std::size_t>(suit * kRanks + rank)];
}

const Surface& CardArt::Back(int design) const
{
    const int valid = design >= 0 && design < kCardBacks ? design : 0;
    return images_[static_cast<std::size_t>(kCardFaces + valid)];
}

const Surface& CardArt::ImageOf(const ViewCard& card, int cardBack) const
{
    const bool inDeck = card.suit >= 0 && card.suit < kSuits && card.rank >= 0 && card.rank < kRanks;
    return card.faceUp && inDeck ? Face(card.suit, card.rank) : Back(cardBack);
}

void CardArt::DrawCard(Surface& target, Point at, const ViewCard& card, int cardBack) const
{
    target.Copy(at.x, at.y, style_.width, style_.height, ImageOf(card, cardBack));
}

void CardArt::DrawEmptyPile(Surface& target, Point at, const EmptyPileMark& mark) const
{
    drawBorder(target, Rect::fromSize(at.x, at.y, style_.width, style_.height), style_.lightBorder,
               style_.lightBorder);
    if (mark.style == kStyleRedealMark) {
        if (mark.redealCounter <= 1) {
            const CardLayout card{style_.width, style_.height, 0, 0};
            copyGlyphTransparent(target, at, redealMarkPlace(screen_, card), redealMarks_[mark.redealCounter]);
        }
    } else if (mark.style == kStyleBaseCard) {
        drawBaseCardMark(target, at, mark);
    }
}

void CardArt::drawBaseCardMark(Surface& target, Point at, const EmptyPileMark& mark) const
{
    const bool hasRank = mark.baseRank >= 0 && mark.baseRank < kRanks;
    const bool hasSuit = mark.baseSuit >= 0 && mark.baseSuit < kSuits;
    const auto suit = static_cast<std::size_t>(mark.baseSuit);
    if (!hasRank) {
        if (hasSuit)
            copyGlyphTransparent(target, at, suitOnlyMarkPlace(screen_, largeCards_), greyCentreSuits_[suit]);
        return;
    }
    const CardLayout card{style_.width, style_.height, 0, 0};
    const GlyphPlaces places = baseMarkGlyphPlaces(screen_, card, largeCards_);
    copyGlyphTransparent(target, at, places.rank, greyRanks_[static_cast<std::size_t>(mark.baseRank)]);
    if (hasSuit) {
        copyGlyphTransparent(target, at, places.cornerSuit, greyCornerSuits_[suit]);
        copyGlyphTransparent(target, at, places.centreSuit, greyCentreSuits_[suit]);
    }
}

}  // namespace velmora
