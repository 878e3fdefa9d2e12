#include "chooser_dialog_fixture.h"
#include "chooser_dialogs.h"
#include "registry_values.h"
#include "statistics_dialog.h"

namespace velmora::testing {
namespace {

using Figures = std::vector<std::string>;
const Figures kZeros{"0", "0", "0%", "0:00", "0:00"};

class StatisticsDialogTest : public ChooserDialogTest {
protected:
    // The figures the dialog shows in its last round; it is answered with
    // the commands in turn, then Cancel, and a message box with boxAnswer.
    Figures Show(std::string_view game, std::vector<int> commands = {}, int boxAnswer = IDNO)
    {
        Figures shown;
        ScopedModalAnswerer answerer([&](const ModalRequest& request) -> std::optional<int> {
            if (request.kind == ModalKind::messageBox) {
                questions.push_back(request.caption + "|" + request.text);
                return boxAnswer;
            }
            shown.clear();
            for (int id = statistics_control::kGamesPlayed; id <= statistics_control::kAverageTime; ++id)
                shown.push_back(static_cast<DialogFrame*>(request.dialog)->Content().ControlText(id));
            const auto round = static_cast<std::size_t>(request.attempt);
            return round < commands.size() ? commands[round] : IDCANCEL;
        });
        RunStatisticsDialog(nullptr, *store_, kRoot, game);
        return shown;
    }
    StatisticsStore games() { return StatisticsStore(*store_, kRoot); }
    std::vector<std::string> questions;
};

TEST_F(StatisticsDialogTest, ShowsZerosForAGameNeverPlayedAndTheFiguresOfRecordedGames)
{
    EXPECT_EQ(Show("Klondike"), kZeros);
    EXPECT_EQ(Show(""), kZeros);
    games().recordPlay("Klondike", true, 100);
    games().recordPlay("Klondike", false, 35);
    games().recordPlay("Klondike", false, 7372);
    games().recordPlay("FreeCell", true, 10);
    EXPECT_EQ(Show("Klondike"), (Figures{"3", "1", "33%", "125:07", "41:42"}));
}

TEST_F(StatisticsDialogTest, ARecordWithMoreGamesWonThanPlayedShowsZeros)
{
    writeValue(*store_, std::string(kRoot) + "\\statistics\\Klondike", "data", ValueType::dword,
               {3, 0, 7, 0, 200, 0, 0, 0});
    EXPECT_EQ(Show("Klondike"), kZeros);
    games().recordPlay("Klondike", false, 45);
    EXPECT_EQ(Show("Klondike"), (Figures{"1", "0", "0%", "0:45", "0:45"}));
}

TEST_F(StatisticsDialogTest, ClearAsksFirstAndOnlyYesClearsAndCloses)
{
    games().recordPlay("Klondike", true, 90);
    EXPECT_EQ(Show("Klondike", {ids::kCmdClear}, IDNO), (Figures{"1", "1", "100%", "1:30", "1:30"}));
    EXPECT_EQ(questions, std::vector<std::string>{
                             "Confirmation|Are you sure you want to clear statistics for the current solitaire?"});
    EXPECT_EQ(games().read("Klondike"), (StatisticsRecord{1, 1, 90}));

    // Yes ends the dialog at once: a second round would answer Clear again.
    Show("Klondike", {ids::kCmdClear, ids::kCmdClear}, IDYES);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(games().read("Klondike"), StatisticsRecord{});
    EXPECT_EQ(Show("Klondike"), kZeros);
}

}  // namespace
}  // namespace velmora::testing
