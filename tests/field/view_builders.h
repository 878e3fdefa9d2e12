// Small hand-made views for the layout and hit-test tests.
#pragma once

#include <initializer_list>
#include <vector>

#include "field_view.h"

namespace velmora::testing {

inline constexpr CardLayout kNormalCards{20, 27, 9, 9};

// A shown pile with absolute anchors whose bottom card is centred on (x, y).
inline ViewPile pileAt(int x, int y, Spread spread = Spread::squared, int cards = 0)
{
    ViewPile pile;
    pile.x = x;
    pile.y = y;
    pile.shown = true;
    pile.spread = spread;
    for (int i = 0; i < cards; ++i)
        pile.cards.push_back(ViewCard{static_cast<std::uint16_t>(i), 0, i % 13, true});
    return pile;
}

// A view of the piles with normal cards, its draw order prepared.
inline FieldView viewOf(std::vector<ViewPile> piles)
{
    FieldView view;
    view.piles = std::move(piles);
    PrepareLayout(view, ScreenMetrics{96, 96, BuildConfiguration::standard});
    return view;
}

}  // namespace velmora::testing
