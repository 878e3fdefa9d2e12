// How the engine's changes and the hints reach the screen: frames counted,
// hidden piles, and the flashing of a suggested move.
#include "field_window_fixture.h"
#include "game_fixture.h"
#include "klondike_record.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

FieldSettings animated(bool on)
{
    FieldSettings settings;
    settings.animation = on;
    return settings;
}

using FieldAnimation = FieldWindowTest;

// The fixture's clock, telling the test of every sleep before it passes.
class WatchingClock final : public Clock {
public:
    std::function<void(std::uint32_t milliseconds)> onSleep;

    std::time_t now() const override { return inner_.now(); }
    std::uint32_t tickCount() const override { return inner_.tickCount(); }
    void sleep(std::uint32_t milliseconds) override
    {
        if (onSleep)
            onSleep(milliseconds);
        inner_.sleep(milliseconds);
    }

private:
    ManualClock inner_;
};

TEST_F(FieldAnimation, EveryFlightFrameIsPaintedAndHeldBeforeTheNext)
{
    openKlondike(2, animated(true));
    WatchingClock watching;
    ScopedProgramClock useClock(watching);
    PaintCounter paints(field);
    struct Hold {
        std::uint32_t milliseconds;
        std::uint64_t frames;  // presented by the time of the wait
        int paints;            // painted on the window by then
    };
    std::vector<Hold> holds;
    watching.onSleep = [&](std::uint32_t milliseconds) {
        holds.push_back({milliseconds, field.FramesPresented(), paints.count()});
    };

    UpdateList updates(field.View());
    ASSERT_TRUE(engine.tapPile(kStock, &updates));
    const std::uint64_t frames = field.FramesPresented();
    field.ApplyUpdates(updates);
    // One flight of three cards: four frames, each on the window before
    // its wait, without the event loop turning.
    ASSERT_EQ(holds.size(), 4u);
    std::uint64_t framesBefore = frames;
    int paintsBefore = 0;
    for (const Hold& hold : holds) {
        EXPECT_EQ(hold.milliseconds, 15u);
        EXPECT_GT(hold.frames, framesBefore);
        EXPECT_GT(hold.paints, paintsBefore);
        framesBefore = hold.frames;
        paintsBefore = hold.paints;
    }

    // Without animation nothing waits.
    holds.clear();
    field.SetSettings(animated(false));
    ASSERT_TRUE(engine.tapPile(kStock, &updates));
    field.ApplyUpdates(updates);
    EXPECT_TRUE(holds.empty());
    expectViewMatchesEngine();
}

TEST_F(FieldAnimation, AStockDealShowsEveryStepWithAnimationAndOneFrameWithout)
{
    openKlondike(2, animated(true));
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        field.SetSettings(animated(on));
        UpdateList updates(field.View());
        ASSERT_TRUE(engine.tapPile(kStock, &updates));
        const std::uint64_t before = field.FramesPresented();
        field.ApplyUpdates(updates);
        // Turning the three cards is one frame; their flight one before, four
        // in the air and one after.
        EXPECT_EQ(field.FramesPresented() - before, on ? 7u : 1u);
        EXPECT_TRUE(updates.empty());
        EXPECT_FALSE(field.IsAnimating());
        expectViewMatchesEngine();
    }
}

TEST_F(FieldAnimation, CardsToOrFromAHiddenPileAreNeverFlown)
{
    dealEmbeddedGame(engine, "Klondike", 2);
    GameState state = engine.state();
    state.piles[12].interactive = 0;
    engine.installState(state);
    openField(240, 294, animated(true));
    showGame();
    ASSERT_FALSE(field.View().piles[12].shown);

    std::uint64_t before = field.FramesPresented();
    field.FlyCards(8, 6, 1, 12, 0);  // the source redrawn, nothing more
    EXPECT_EQ(field.FramesPresented() - before, 1u);
    EXPECT_EQ(field.View().piles[12].count(), 1);

    before = field.FramesPresented();
    field.FlyCards(12, 0, 1, 8, 6);  // only the destination redrawn
    EXPECT_EQ(field.FramesPresented() - before, 1u);
    expectViewMatchesEngine();

    before = field.FramesPresented();
    field.FlyCards(8, 7, 1, 2, 0);   // beyond the pile
    field.FlyCards(8, 0, 0, 2, 0);   // no cards
    field.FlyCards(8, 6, 1, 2, 2);   // past the destination's top
    field.FlyCards(-1, 0, 1, 2, 0);  // no such pile
    EXPECT_EQ(field.FramesPresented(), before);
    expectViewMatchesEngine();
}

TEST_F(FieldAnimation, AHintFlashesCardThenDestinationAndLeavesNothingSelected)
{
    FieldSettings settings = animated(true);
    settings.playMode = FieldPlayMode::tapping;
    openKlondike(2, settings);
    // The clock text is asked for at every repaint: a probe of each step.
    std::vector<Highlight> steps;
    field.SetClockText([&] {
        steps.push_back(field.CurrentHighlight());
        return std::string("0:00");
    });
    tap(field, pointOnTop(7));  // a selection the hint removes
    ASSERT_EQ(field.CurrentHighlight().pile, 7);

    const std::optional<Move> move = engine.findMove(1);
    ASSERT_TRUE(move.has_value());
    ASSERT_FALSE(move->isTap);
    const Place card = placeOf(move->card);
    const int destinationCount = field.View().piles[move->destination].count();
    const int destinationTop = destinationCount > 0 ? destinationCount - 1 : kEmptyPileItem;
    steps.clear();
    std::uint64_t frames = field.FramesPresented();
    std::uint32_t ticks = clock.tickCount();
    field.ShowHint(*move);
    EXPECT_EQ(clock.tickCount() - ticks, 1600u);
    EXPECT_EQ(field.FramesPresented() - frames, 8u);
    ASSERT_EQ(steps.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        const bool on = i % 2 == 0;
        const int pile = i < 4 ? card.pile : move->destination;
        const int index = i < 4 ? card.index : destinationTop;
        EXPECT_EQ(steps[i].pile, on ? pile : kNone) << "step " << i;
        EXPECT_EQ(steps[i].card, on ? index : kNone) << "step " << i;
    }
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);

    // A tap hint flashes the pile alone; the empty foundation as a place.
    const Move tapHint{true, 9, kNone, kNone};
    steps.clear();
    ticks = clock.tickCount();
    field.ShowHint(tapHint);
    EXPECT_EQ(clock.tickCount() - ticks, 800u);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].pile, 9);
    EXPECT_EQ(steps[0].card, kEmptyPileItem);

    // A hint naming what the field does not hold shows nothing.
    frames = field.FramesPresented();
    field.ShowHint(Move{false, kNone, 60, 3});
    field.ShowHint(Move{true, 40, kNone, kNone});
    EXPECT_EQ(field.FramesPresented(), frames);
    EXPECT_EQ(mainWindow.checkEnds, 0);
}

}  // namespace
}  // namespace velmora::testing
