// A whole recorded Klondike win played on the field window through pointer
// events only, once by tapping and once by dragging.
#include "field_window_fixture.h"
#include "player_steps.h"

namespace velmora::testing {
namespace {

// Found by the solver for deal 2 (the games area replays it on the engine).
constexpr const char* kKlondikeWin =
    "m 19 3;m 34 4;t 0;m 31 3;m 4 3;t 0;t 0;t 0;t 0;m 7 4;t 0;t 0;m 0 12;m 1 12;t 0;t 0;t 0;t 0;t 0;"
    "t 0;t 0;m 2 12;m 3 12;m 4 12;m 5 12;m 26 11;m 27 11;m 25 2;m 17 3;t 0;t 0;t 0;m 32 4;t 0;t 0;"
    "t 0;t 0;t 0;t 0;t 0;t 0;m 42 3;t 0;t 0;m 15 3;m 40 3;m 16 7;t 0;t 0;t 0;t 0;m 50 2;m 23 2;"
    "m 17 8;m 35 2;t 0;m 6 12;t 0;m 21 2;t 0;m 17 3;t 0;t 0;m 17 8;t 0;t 0;m 33 2;m 6 2;m 44 2;"
    "m 11 8;m 30 6;m 22 7;m 49 8;m 18 8;m 28 11;m 39 10;m 40 10;m 41 10;m 29 11;m 51 6;m 13 9;m 51 4;"
    "m 35 7;m 34 8;m 51 6;t 0;t 0;t 0;t 0;m 14 9;m 15 9;m 42 10;m 16 9;m 30 11;m 31 11;m 17 9;m 18 9;"
    "m 32 11;m 19 9;m 51 4;m 35 2;m 34 4;m 51 6;m 25 4;m 51 2;m 35 7;m 34 8;m 25 6;m 6 3;m 33 11;"
    "m 46 7;m 51 4;m 50 3;m 35 3;m 51 2;m 34 2;m 50 6;m 51 4;t 0;m 20 9;m 43 10;m 44 10;m 45 10;"
    "m 6 12;m 46 10;m 21 9;m 7 12;m 34 11;m 35 11;m 22 9;m 23 9;m 24 9;m 8 12;m 36 11;m 9 12;m 10 12;"
    "m 37 11;m 51 8;m 50 3;m 25 9;m 51 7;m 12 8;m 51 6;m 12 7;m 51 5;m 12 6;m 51 4;m 12 5;t 0;"
    "m 47 10;m 38 11;m 48 10;m 49 10;m 50 10;m 11 12;m 51 10;m 12 12";

class PointerWin : public FieldWindowTest, public ::testing::WithParamInterface<FieldPlayMode> {};

TEST_P(PointerWin, TheRecordedKlondikeWinPlaysToTheEnd)
{
    FieldSettings settings;
    settings.playMode = GetParam();
    settings.animation = GetParam() == FieldPlayMode::dragAndDrop;
    openKlondike(2, settings);
    std::vector<ParsedStep> steps;
    std::string error;
    ASSERT_TRUE(parseSteps(kKlondikeWin, steps, error)) << error;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1) + ": " + formatSteps({steps[i]}));
        ASSERT_FALSE(engine.isWon());
        const Step& step = steps[i].step;
        if (steps[i].kind == ParsedStep::tap)
            tapPile(step.pile);
        else if (GetParam() == FieldPlayMode::tapping)
            tapMove(step.card, step.destination);
        else
            dragMove(step.card, step.destination);
        ASSERT_EQ(mainWindow.checkEnds, static_cast<int>(i + 1));
        ASSERT_FALSE(field.IsBusy());
        ASSERT_EQ(field.CurrentHighlight().pile, kNone);
        expectViewMatchesEngine();
        if (HasFatalFailure())
            return;
    }
    EXPECT_TRUE(engine.isWon());
}

INSTANTIATE_TEST_SUITE_P(BothPointerModes, PointerWin,
                         ::testing::Values(FieldPlayMode::tapping, FieldPlayMode::dragAndDrop),
                         [](const ::testing::TestParamInfo<FieldPlayMode>& info) {
                             return info.param == FieldPlayMode::tapping ? "Tapping" : "DragAndDrop";
                         });

}  // namespace
}  // namespace velmora::testing
