#include "card_art.h"

#include "card_backs.h"
#include "card_ids.h"
#include "palette.h"
#include "rank_glyphs.h"
#include "redeal_marks.h"
#include "suit_glyphs.h"

namespace velmora::artwork {
namespace {

// Ranks and small suits come from the hand-drawn grids only on standard-
// resolution screens (handDrawn set); at 192 dpi the smoothed outlines look
// better at every size.
void drawCardSize(const CardSizeIds& art, const GridLibrary& grids, const GridLibrary* handDrawn,
                  std::vector<Bitmap>& out)
{
    for (int rank = 0; rank < kRankCount; ++rank) {
        out.push_back({"BITMAP", art.rankId + rank,
                       rankGlyph(handDrawn, rank, art.rankWidth, art.rankHeight, kBlack, Edge::smooth)});
        out.push_back({"BITMAP", art.greyRankId + rank,
                       rankGlyph(handDrawn, rank, art.rankWidth, art.rankHeight, kMarkGrey, Edge::hard)});
    }
    for (int suit = 0; suit < kSuitCount; ++suit) {
        const Rgb ink = suitInk(suit);
        out.push_back({"BITMAP", art.cornerSuitId + suit, suitGlyph(handDrawn, suit, art.cornerSuitSize, ink, Edge::smooth)});
        out.push_back({"BITMAP", art.centreSuitId + suit, suitGlyph(handDrawn, suit, art.centreSuitSize, ink, Edge::smooth)});
        out.push_back({"BITMAP", art.greyCornerSuitId + suit,
                       suitGlyph(handDrawn, suit, art.cornerSuitSize, kMarkGrey, Edge::hard)});
        out.push_back({"BITMAP", art.greyCentreSuitId + suit,
                       suitGlyph(handDrawn, suit, art.centreSuitSize, kMarkGrey, Edge::hard)});
    }
    for (int design = 0; design < kCardBackCount; ++design)
        out.push_back({"BITMAP", art.firstBackId + 2 * design, cardBack(grids, design, art.cardWidth, art.cardHeight)});
}

}  // namespace

void drawCardArt(BuildConfiguration configuration, const GridLibrary& grids, std::vector<Bitmap>& out)
{
    const ConfigurationIds& art = cardIds(configuration);
    const GridLibrary* handDrawn = configuration == BuildConfiguration::standard ? &grids : nullptr;
    drawCardSize(art.large, grids, handDrawn, out);
    drawCardSize(art.normal, grids, handDrawn, out);
    for (int counter = 0; counter < 2; ++counter)
        out.push_back({"BITMAP", art.redealIds[counter], redealMark(counter, art.redealWidth, art.redealHeight)});
}

}  // namespace velmora::artwork
