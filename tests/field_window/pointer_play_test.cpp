// Tapping and drag and drop through real pointer events on the field window.
#include "card_flight.h"
#include "engine_fixture.h"
#include "field_window_fixture.h"
#include "game_fixture.h"
#include "klondike_record.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

FieldSettings mode(FieldPlayMode playMode, bool animation = true)
{
    FieldSettings settings;
    settings.playMode = playMode;
    settings.animation = animation;
    return settings;
}

// A legal move of a single top card onto another pile.
Move topCardMove(Engine& engine)
{
    std::optional<Move> found;
    engine.forEachMove([&](const Move& move) {
        const Card& card = engine.state().cards[move.card];
        if (!move.isTap && card.position + 1 == engine.state().piles[card.pile].count) {
            found = move;
            return false;
        }
        return true;
    });
    EXPECT_TRUE(found.has_value());
    return found.value_or(Move{});
}

using TappingPlay = FieldWindowTest;
using DragPlay = FieldWindowTest;

TEST_F(TappingPlay, ACardIsSelectedThenMovedAndTheMainWindowHearsOnceWhenAllIsShown)
{
    openKlondike(2, mode(FieldPlayMode::tapping));
    const Move move = topCardMove(engine);
    const Place from = placeOf(move.card);
    bool checkedShown = false;
    mainWindow.onCheckEnd = [&] {
        EXPECT_FALSE(field.IsBusy());
        expectViewMatchesEngine();
        checkedShown = true;
    };

    tap(field, pointOn(from.pile, from.index));
    EXPECT_EQ(field.CurrentHighlight().pile, from.pile);
    EXPECT_EQ(field.CurrentHighlight().card, from.index);
    // A pile that refuses the card changes nothing and keeps the selection.
    int refusing = kFirstFoundation;
    while (engine.canDrop(move.card, refusing))
        ++refusing;
    tapPile(refusing);
    EXPECT_EQ(field.CurrentHighlight().pile, from.pile);
    EXPECT_EQ(mainWindow.checkEnds, 0);

    tapPile(move.destination);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    EXPECT_TRUE(checkedShown);
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    EXPECT_EQ(engine.state().cards[move.card].pile, move.destination);
    expectViewMatchesEngine();
}

TEST_F(TappingPlay, TapsOnNothingOrAnotherCardOfThePileDeselect)
{
    openKlondike(2, mode(FieldPlayMode::tapping));
    tap(field, pointOnTop(8));
    ASSERT_EQ(field.CurrentHighlight().pile, 8);
    tap(field, {230, 280});  // the background
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);

    // Pile 8 holds face-down cards under its top card; a tap on one deselects.
    tap(field, pointOnTop(8));
    tap(field, pointOn(8, 0));
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    EXPECT_EQ(mainWindow.checkEnds, 0);
    expectViewMatchesEngine();
}

TEST_F(TappingPlay, AnyPointOfASquaredStockTapsItsTopCardAndDeals)
{
    openKlondike(2, mode(FieldPlayMode::tapping));
    const Point origin = field.PileOrigin(kStock);
    tap(field, {origin.x + 2, origin.y + 30});
    EXPECT_EQ(field.View().piles[kStock].count(), 18);
    EXPECT_EQ(field.View().piles[kWaste].count(), 6);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    expectViewMatchesEngine();
}

TEST_F(TappingPlay, ASecondTapWithinTheSameOrNextSecondFiresThePileAndLaterOnlyDeselects)
{
    // The first tableau pile's tap deals from the stock, so its effect shows.
    GameDefinition definition = klondikeDefinition();
    definition.piles[kFirstTableau].tapKey = kDealKey;
    dealGame(engine, definition, 1);
    openField(240, 294, mode(FieldPlayMode::tapping));
    showGame();
    const int waste = field.View().piles[kWaste].count();

    tap(field, pointOnTop(kFirstTableau));
    ASSERT_EQ(field.CurrentHighlight().pile, kFirstTableau);
    clock.advanceMilliseconds(1999);
    tap(field, pointOnTop(kFirstTableau));
    EXPECT_EQ(field.View().piles[kWaste].count(), waste + 3);
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    EXPECT_EQ(mainWindow.checkEnds, 1);

    tap(field, pointOnTop(kFirstTableau));
    ASSERT_EQ(field.CurrentHighlight().pile, kFirstTableau);
    clock.advanceSeconds(2);
    tap(field, pointOnTop(kFirstTableau));
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    EXPECT_EQ(field.View().piles[kWaste].count(), waste + 3);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    expectViewMatchesEngine();
}

TEST_F(TappingPlay, KeyboardModesLeaveThePointerAlone)
{
    openKlondike(2, mode(FieldPlayMode::keyboardCardWise));
    tapPile(kStock);
    pointerDown(field, pointOnTop(8));
    pointerMove(field, {100, 200});
    pointerUp(field, {100, 200});
    EXPECT_EQ(field.View().piles[kStock].count(), 21);
    EXPECT_FALSE(field.IsDragging());
    EXPECT_EQ(mainWindow.checkEnds, 0);
}

TEST_F(DragPlay, ADragStartsOnlyBeyondThreePixelsAndADropOnTheSourceIsNoMove)
{
    openKlondike(2, mode(FieldPlayMode::dragAndDrop));
    const Point press = pointOnTop(8);
    for (const Point step : {Point{4, 0}, Point{0, -4}}) {
        pointerDown(field, press);
        EXPECT_TRUE(field.HasCapture());
        pointerMove(field, {press.x + 3, press.y});
        pointerMove(field, {press.x - 3, press.y + 3});
        EXPECT_FALSE(field.IsDragging());
        EXPECT_EQ(field.View().piles[8].count(), 7);
        pointerMove(field, {press.x + step.x, press.y + step.y});
        EXPECT_TRUE(field.IsDragging());
        EXPECT_EQ(field.View().piles[8].count(), 6);  // the dragged card left its pile
        pointerUp(field, {press.x + step.x, press.y + step.y});
        EXPECT_FALSE(field.IsDragging());
        EXPECT_FALSE(field.HasCapture());
        EXPECT_EQ(field.View().piles[8].count(), 7);
    }
    EXPECT_EQ(mainWindow.checkEnds, 0);
    expectViewMatchesEngine();
    const ViewCard& top = field.View().piles[8].cards.back();
    EXPECT_TRUE(bufferShows(field.CardPosition(8, 6), art.Face(top.suit, top.rank)));
}

TEST_F(DragPlay, TheDropIsJudgedHalfACardIntoTheImageNotByThePointer)
{
    openKlondike(2, mode(FieldPlayMode::dragAndDrop));
    const Move move = topCardMove(engine);
    const Place from = placeOf(move.card);
    const Rect card = Rect::fromSize(field.CardPosition(from.pile, from.index).x,
                                     field.CardPosition(from.pile, from.index).y, 26, 35);
    // Pressed at its lower right corner, the card's drop point (its centre)
    // trails the pointer by half a card.
    const Point press{card.right - 1, card.bottom - 1};
    const Point trail{card.left + 13 - press.x, card.top + 17 - press.y};
    const auto pileAt = [&](Point point) { return field.HitTest(point).value_or(Hit{}).pile; };
    std::optional<Point> overTarget;   // the pointer over the destination, the drop point elsewhere
    std::optional<Point> dropOnTarget;  // the drop point on the destination, the pointer elsewhere
    for (int y = 0; y < 294; ++y)
        for (int x = 0; x < 240; ++x) {
            const Point pointer{x, y};
            const bool over = pileAt(pointer) == move.destination;
            const bool drops = pileAt({x + trail.x, y + trail.y}) == move.destination;
            if (over && !drops && !overTarget)
                overTarget = pointer;
            if (drops && !over && !dropOnTarget)
                dropOnTarget = pointer;
        }
    ASSERT_TRUE(overTarget && dropOnTarget);

    pointerDown(field, press);
    pointerMove(field, {press.x + 30, press.y + 40});
    pointerMove(field, *overTarget);
    pointerUp(field, *overTarget);
    EXPECT_EQ(engine.state().cards[move.card].pile, from.pile);
    EXPECT_EQ(mainWindow.checkEnds, 0);
    expectViewMatchesEngine();

    pointerDown(field, press);
    pointerMove(field, {press.x + 30, press.y + 40});
    pointerMove(field, *dropOnTarget);
    pointerUp(field, *dropOnTarget);
    EXPECT_EQ(engine.state().cards[move.card].pile, move.destination);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    expectViewMatchesEngine();
}

// However few motion events arrive, and wherever the one there is lies, the
// release point alone says where the cards land.
TEST_F(DragPlay, ADragsOutcomeDependsOnlyOnWhereItWasPressedAndReleased)
{
    openKlondike(2, mode(FieldPlayMode::dragAndDrop));
    const Move move = topCardMove(engine);
    const Place from = placeOf(move.card);
    const Point press = pointOn(from.pile, from.index);
    const Rect card = Rect::fromSize(field.CardPosition(from.pile, from.index).x,
                                     field.CardPosition(from.pile, from.index).y, 26, 35);
    const Point dropPoint{card.left + 13, card.top + 17};
    const Point target = pointOnTop(move.destination);
    const Point release{press.x + target.x - dropPoint.x, press.y + target.y - dropPoint.y};
    ASSERT_GT(std::abs(release.x - press.x) + std::abs(release.y - press.y), 6);
    const Point halfway{(press.x + release.x) / 2, (press.y + release.y) / 2};
    const Point pastTheThreshold{press.x + 4, press.y};
    const Point farOff{release.x + 60, release.y - 50};

    std::vector<std::optional<Point>> motions{std::nullopt, pastTheThreshold, halfway, farOff, release};
    for (const std::optional<Point>& motion : motions) {
        SCOPED_TRACE(motion ? std::to_string(motion->x) + "," + std::to_string(motion->y) : "no motion");
        GameState start = engine.state();
        pointerDown(field, press);
        if (motion)
            pointerMove(field, *motion);
        pointerUp(field, release);
        EXPECT_FALSE(field.IsDragging());
        EXPECT_EQ(engine.state().cards[move.card].pile, move.destination);
        expectViewMatchesEngine();
        // Back to the deal for the next try.
        engine.installState(start);
        showGame();
    }
    EXPECT_EQ(mainWindow.checkEnds, static_cast<int>(motions.size()));
}

TEST_F(DragPlay, PressAndReleaseOnTheStockTapsItAndAReleaseElsewhereDoesNothing)
{
    openKlondike(2, mode(FieldPlayMode::dragAndDrop));
    const Point stock = pointOnTop(kStock);
    tap(field, stock);
    EXPECT_EQ(field.View().piles[kStock].count(), 18);
    EXPECT_EQ(mainWindow.checkEnds, 1);

    pointerDown(field, stock);
    pointerUp(field, pointOnTop(2));
    // A stock card cannot be picked up, so moving the pointer drags nothing.
    pointerDown(field, stock);
    pointerMove(field, {stock.x + 40, stock.y + 40});
    EXPECT_FALSE(field.IsDragging());
    pointerUp(field, {stock.x + 40, stock.y + 40});
    EXPECT_EQ(field.View().piles[kStock].count(), 18);
    EXPECT_EQ(mainWindow.checkEnds, 1);

    // A press on nothing is not taken at all.
    pointerDown(field, {230, 280});
    EXPECT_FALSE(field.HasCapture());
    pointerUp(field, {230, 280});
    EXPECT_EQ(mainWindow.checkEnds, 1);
    expectViewMatchesEngine();
}

TEST_F(DragPlay, AGroupDraggedFromTheMiddleOfAFanTravelsWhole)
{
    // Two face-up cards on the first pile, a black eight that takes them.
    dealEmbeddedGame(engine, "Klondike", 2);
    const int redSeven = cardOf(engine, 3, 7), blackSix = cardOf(engine, 1, 6);
    const int blackEight = cardOf(engine, 2, 8);
    arrangeBoard(engine, {{kFirstTableau, {redSeven, blackSix}}, {kFirstTableau + 3, {blackEight}}}, kStock);
    openField(240, 294, mode(FieldPlayMode::dragAndDrop));
    showGame();
    dragMove(redSeven, kFirstTableau + 3);
    EXPECT_EQ(field.View().piles[kFirstTableau + 3].count(), 3);
    EXPECT_EQ(field.View().piles[kFirstTableau].count(), 0);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    expectViewMatchesEngine();
}

TEST_F(DragPlay, ChangingThePlayModeDuringADragPutsTheCardsBack)
{
    openKlondike(2, mode(FieldPlayMode::dragAndDrop));
    const Point press = pointOnTop(8);
    pointerDown(field, press);
    pointerMove(field, {press.x + 20, press.y + 20});
    ASSERT_TRUE(field.IsDragging());
    field.SetSettings(mode(FieldPlayMode::tapping));
    EXPECT_FALSE(field.IsDragging());
    EXPECT_FALSE(field.HasCapture());
    pointerUp(field, {press.x + 20, press.y + 20});
    expectViewMatchesEngine();
    EXPECT_EQ(mainWindow.checkEnds, 0);
}

}  // namespace
}  // namespace velmora::testing
