// A whole recorded Klondike win played on the field window through pointer
// events only, once by tapping and once by dragging.
#include "field_window_fixture.h"
#include "player_steps.h"
#include "recorded_wins.h"

namespace velmora::testing {
namespace {

class PointerWin : public FieldWindowTest, public ::testing::WithParamInterface<FieldPlayMode> {};

TEST_P(PointerWin, TheRecordedKlondikeWinPlaysToTheEnd)
{
    FieldSettings settings;
    settings.playMode = GetParam();
    settings.animation = GetParam() == FieldPlayMode::dragAndDrop;
    openKlondike(2, settings);
    std::vector<ParsedStep> steps;
    std::string error;
    ASSERT_TRUE(parseSteps(kKlondikeDeal2Win, steps, error)) << error;
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
