#include "field_view.h"

#include <algorithm>
#include <utility>

#include "screen_scale.h"

namespace velmora {
namespace {

// Card sizes and fan steps as designed for a 96-dpi screen.
struct DesignSize {
    int width;
    int height;
    int step;
};
constexpr DesignSize kLargeDesign{26, 35, 12};
constexpr DesignSize kNormalDesign{20, 27, 9};

// The byte of a definition that names the fan limit's anchor: anything but
// absolute or proportional counts from the far edge.
Anchor fanLimitAnchorOf(std::uint8_t value)
{
    if (value == 0)
        return Anchor::Absolute;
    if (value == 1)
        return Anchor::Proportional;
    return Anchor::FromFarEdge;
}

// A display value less one, without overflow for any stored value.
int lessOne(std::uint32_t value) { return static_cast<int>(static_cast<std::int64_t>(value) - 1); }

ViewPile viewPileOf(const PileDefinition& definition, const Pile& runtime)
{
    ViewPile pile;
    pile.x = definition.x;
    pile.y = definition.y;
    pile.fanLimit = definition.fanLimit;
    pile.fanLimitAnchor = fanLimitAnchorOf(definition.fanLimitAnchor);
    pile.drawOrder = definition.drawOrder;
    pile.shown = runtime.interactive != 0;
    pile.spread = static_cast<Spread>(definition.spread);
    pile.style = definition.style;
    pile.xAnchor = static_cast<Anchor>(definition.xAnchor);
    pile.yAnchor = static_cast<Anchor>(definition.yAnchor);
    if (definition.style == kStyleBaseCard) {
        pile.baseRank = lessOne(runtime.displayValue);
        pile.baseSuit = lessOne(runtime.displayValue2);
    } else if (definition.style == kStyleRedealMark) {
        pile.baseRank = static_cast<int>(runtime.displayValue & 0xFFFF);
    }
    return pile;
}

}  // namespace

CardLayout cardLayout(const ScreenMetrics& screen, bool largeCards)
{
    const DesignSize design = largeCards ? kLargeDesign : kNormalDesign;
    if (screen.configuration == BuildConfiguration::standard)
        return {design.width, design.height, design.step, design.step};
    return {ScaleX(screen, design.width), ScaleY(screen, design.height), ScaleX(screen, design.step),
            ScaleY(screen, design.step)};
}

FieldView BuildView(const GameDefinition& definition, const GameState& state)
{
    FieldView view;
    view.largeCards = definition.largeCards != 0;
    if (state.piles.size() != definition.piles.size() || state.cards.size() != definition.cards.size())
        return view;

    view.piles.reserve(definition.piles.size());
    for (std::size_t p = 0; p < definition.piles.size(); ++p)
        view.piles.push_back(viewPileOf(definition.piles[p], state.piles[p]));

    // Each pile's cards by position; the sort keeps a damaged state's
    // duplicate or missing positions from leaving gaps.
    std::vector<std::vector<std::pair<int, std::uint16_t>>> byPile(view.piles.size());
    for (std::size_t c = 0; c < state.cards.size(); ++c) {
        const Card& card = state.cards[c];
        if (card.pile < byPile.size())
            byPile[card.pile].emplace_back(card.position, static_cast<std::uint16_t>(c));
    }
    for (std::size_t p = 0; p < byPile.size(); ++p) {
        std::stable_sort(byPile[p].begin(), byPile[p].end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<ViewCard>& cards = view.piles[p].cards;
        cards.reserve(byPile[p].size());
        for (const auto& [position, id] : byPile[p]) {
            const CardDefinition& face = definition.cards[id];
            cards.push_back(ViewCard{id, face.suit - 1, face.rank - 1, state.cards[id].faceUp != 0});
        }
    }
    return view;
}

void PrepareLayout(FieldView& view, const ScreenMetrics& screen)
{
    view.card = cardLayout(screen, view.largeCards);
    view.drawOrder.clear();
    view.drawOrder.reserve(view.piles.size());
    for (std::size_t p = 0; p < view.piles.size(); ++p)
        view.drawOrder.push_back({view.piles[p].drawOrder, static_cast<std::uint16_t>(p)});
    std::stable_sort(view.drawOrder.begin(), view.drawOrder.end(),
                     [](const DrawOrderEntry& a, const DrawOrderEntry& b) { return a.drawOrder < b.drawOrder; });
}

}  // namespace velmora
