// Where flying and dragged card groups are drawn.
#include <gtest/gtest.h>

#include "card_flight.h"
#include "field_drawing.h"
#include "view_builders.h"

namespace velmora {
namespace {

using testing::pileAt;
using testing::viewOf;

constexpr ClientSize kClient{240, 294};

class Flight : public ::testing::Test {
protected:
    // A three-card fan, an empty pile and a two-card fan.
    FieldView view = viewOf({pileAt(50, 50, Spread::down, 3), pileAt(150, 50), pileAt(150, 150, Spread::down, 2)});
    HitItemList items;

    // The animated move up to the flight: the cards leave, the field is shown.
    std::optional<FlightPath> takeOffAndPlan(const CardTransfer& transfer)
    {
        takeViewCards(view, transfer.source, transfer.first, transfer.count);
        layOutField(view, std::vector<Card>(3, Card{1, 1, 1, 0, 0, 0}), kClient, {}, items);
        return planFlight(items, transfer);
    }
};

TEST_F(Flight, OntoAnEmptyPileFromTheSourcesNewTopCard)
{
    const CardTransfer transfer = playerMove(view, 0, 2, 1);
    EXPECT_EQ(transfer, (CardTransfer{0, 2, 1, 1, 0}));
    const std::optional<FlightPath> path = takeOffAndPlan(transfer);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->start, (Point{40, 46}));  // card 1, now the top
    EXPECT_EQ(path->end, (Point{140, 37}));   // the empty place
    // Fifths of the way in 1/256 pixel, rounded down.
    const std::array<Point, 4> frames{Point{40, 46}, Point{60, 44}, Point{80, 42}, Point{100, 40}};
    EXPECT_EQ(path->frames, frames);
}

TEST_F(Flight, OntoACardAndFromAnEmptiedPile)
{
    const std::optional<FlightPath> onto = takeOffAndPlan(playerMove(view, 0, 1, 2));
    ASSERT_TRUE(onto);
    EXPECT_EQ(onto->start, (Point{40, 37}));
    EXPECT_EQ(onto->end, (Point{140, 146}));  // the destination's top card

    const std::optional<FlightPath> whole = takeOffAndPlan(playerMove(view, 0, 0, 1));
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->start, (Point{40, 37}));  // the source's empty place
}

TEST_F(Flight, NoFlightToAHiddenPile)
{
    view.piles[1].shown = false;
    EXPECT_FALSE(takeOffAndPlan(playerMove(view, 0, 2, 1)));
}

TEST(GroupImage, PickedCardLiesWhereTheFanStarts)
{
    const GroupImage left = groupImage(testing::kNormalCards, Spread::left, 3);
    EXPECT_EQ(left.width, 38);
    EXPECT_EQ(left.height, 27);
    EXPECT_EQ(left.pickedOffset, (Point{18, 0}));
    EXPECT_EQ(left.places.back(), (GroupImage::Place{2, {0, 0}}));

    const GroupImage squared = groupImage(testing::kNormalCards, Spread::squared, 3);
    EXPECT_EQ(squared.width, 20);
    ASSERT_EQ(squared.places.size(), 1u);
    EXPECT_EQ(squared.places[0].card, 2);  // only the top card shows
}

}  // namespace
}  // namespace velmora
