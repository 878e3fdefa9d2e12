#include "field_drawing.h"

#include "pile_geometry.h"

namespace velmora {
namespace {

constexpr int kRanks = 13;
constexpr int kSuits = 4;

int inRangeOrNone(int value, int limit) { return value >= 0 && value < limit ? value : -1; }

EmptyPileMark markOf(const ViewPile& pile)
{
    EmptyPileMark mark;
    mark.style = pile.style;
    if (pile.style == kStyleBaseCard) {
        mark.baseRank = inRangeOrNone(pile.baseRank, kRanks);
        mark.baseSuit = inRangeOrNone(pile.baseSuit, kSuits);
    } else if (pile.style == kStyleRedealMark) {
        mark.redealCounter = pile.redealCounter();
    }
    return mark;
}

bool selectable(const ViewCard& card, const std::vector<Card>& cards)
{
    if (card.cardId >= cards.size())
        return false;
    const Card& state = cards[card.cardId];
    return state.movable != 0 || state.open == 0;
}

class PilePass {
public:
    PilePass(const FieldView& view, const std::vector<Card>& cards, ClientSize client, Highlight highlight,
             HitItemList& hitItems, std::vector<FieldDrawItem>& out)
        : view_(view), cards_(cards), client_(client), highlight_(highlight), hitItems_(hitItems), out_(out)
    {
    }

    void layOut(std::uint16_t pile)
    {
        const ViewPile& p = view_.piles[pile];
        if (!p.shown)
            return;
        if (p.cards.empty())
            layOutEmpty(pile, p);
        else if (isFanned(p))
            for (int i = 0; i < p.count(); ++i)
                addCard(pile, i, true);
        else
            layOutSquared(pile, p);
    }

private:
    // Style 1 draws nothing, but its item is still recorded (not selectable)
    // so that keyboard play sees the place; the hit test passes over it.
    void layOutEmpty(std::uint16_t pile, const ViewPile& p)
    {
        const Rect rect = cardRect(view_, PileOrigin(view_, pile, client_));
        const bool invisible = p.style == kStyleHiddenWhenEmpty;
        hitItems_.append(HitItem{rect, rect, pile, kEmptyPileItem, !invisible});
        if (invisible)
            return;
        FieldDrawItem item;
        item.kind = FieldDrawItem::Kind::emptyPile;
        item.pile = pile;
        item.rect = rect;
        item.mark = markOf(p);
        item.highlighted = highlight_.pile == pile;
        out_.push_back(item);
    }

    // Only the two top cards can be seen; only the top one can be hit.
    void layOutSquared(std::uint16_t pile, const ViewPile& p)
    {
        if (p.count() >= 2)
            addCard(pile, p.count() - 2, false);
        addCard(pile, p.count() - 1, true);
    }

    void addCard(std::uint16_t pile, int index, bool hittable)
    {
        const ViewCard& card = view_.piles[pile].cards[static_cast<std::size_t>(index)];
        const auto cardIndex = static_cast<std::uint16_t>(index);
        const Rect rect = cardRect(view_, CardPosition(view_, pile, index, client_));
        FieldDrawItem item;
        item.pile = pile;
        item.cardIndex = cardIndex;
        item.rect = rect;
        item.card = card;
        item.highlighted = hittable && highlight_.pile == pile && highlight_.card == cardIndex;
        out_.push_back(item);
        if (hittable)
            hitItems_.append(HitItem{rect, rect, pile, cardIndex, selectable(card, cards_)});
    }

    const FieldView& view_;
    const std::vector<Card>& cards_;
    ClientSize client_;
    Highlight highlight_;
    HitItemList& hitItems_;
    std::vector<FieldDrawItem>& out_;
};

}  // namespace

std::vector<FieldDrawItem> layOutField(const FieldView& view, const std::vector<Card>& cards, ClientSize client,
                                  Highlight highlight, HitItemList& hitItems)
{
    hitItems.beginPass();
    std::vector<FieldDrawItem> items;
    PilePass pass(view, cards, client, highlight, hitItems, items);
    for (const DrawOrderEntry& entry : view.drawOrder)
        if (view.validPile(entry.pile))
            pass.layOut(entry.pile);
    return items;
}

std::uint32_t textColourOver(std::uint32_t background)
{
    constexpr std::uint32_t kBlack = 0x000000;
    constexpr std::uint32_t kWhite = 0xFFFFFF;
    const int red = static_cast<int>((background >> 16) & 0xFF);
    const int green = static_cast<int>((background >> 8) & 0xFF);
    const int blue = static_cast<int>(background & 0xFF);
    // Luma with the usual weights of red, green and blue, 0 to 255.
    const int luminance = (299 * red + 587 * green + 114 * blue) / 1000;
    return luminance >= 128 ? kBlack : kWhite;
}

std::array<Rect, 4> cursorOutline(const Rect& visible)
{
    const int l = visible.left;
    const int t = visible.top;
    const int r = visible.right;
    const int b = visible.bottom;
    return {Rect{l - 1, t - 1, r + 1, t + 1}, Rect{r - 1, t - 1, r + 1, b + 1}, Rect{l - 1, b - 1, r + 1, b + 1},
            Rect{l - 1, t - 1, l + 1, b + 1}};
}

}  // namespace velmora
