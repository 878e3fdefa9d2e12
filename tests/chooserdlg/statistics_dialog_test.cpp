#include "chooser_dialog_fixture.h"
#include "chooser_dialogs.h"
#include "statistics.h"
#include "statistics_dialog.h"

namespace velmora::testing {
namespace {

namespace ctl = statistics_control;

using Figures = std::vector<std::string>;

class StatisticsDialogTest : public ChooserDialogTest {
protected:
    // Opens the dialog for the game, reads its five figures, then answers
    // with the commands given in turn (IDCANCEL once they run out). A
    // message box is answered with messageBoxAnswer.
    Figures Show(std::string_view game, std::vector<int> commands = {}, int messageBoxAnswer = IDNO)
    {
        Figures shown;
        ScopedModalAnswerer answerer([&](const ModalRequest& request) -> std::optional<int> {
            if (request.kind == ModalKind::messageBox) {
                confirmations.push_back(request.caption + "|" + request.text);
                return messageBoxAnswer;
            }
            const DialogContent& content = static_cast<DialogFrame*>(request.dialog)->Content();
            shown.clear();
            for (int id : {ctl::kGamesPlayed, ctl::kGamesWon, ctl::kWinRate, ctl::kTotalTime, ctl::kAverageTime})
                shown.push_back(content.ControlText(id));
            const auto step = static_cast<std::size_t>(request.attempt);
            return step < commands.size() ? commands[step] : IDCANCEL;
        });
        RunStatisticsDialog(nullptr, *store_, kRoot, game);
        return shown;
    }

    std::vector<std::string> confirmations;
};

TEST_F(StatisticsDialogTest, ANeverPlayedGameShowsZeros)
{
    EXPECT_EQ(Show("Klondike"), (Figures{"0", "0", "0%", "0:00", "0:00"}));
    EXPECT_EQ(Show(""), (Figures{"0", "0", "0%", "0:00", "0:00"}));
}

TEST_F(StatisticsDialogTest, ShowsTheRecordedGames)
{
    StatisticsStore games(*store_, kRoot);
    games.recordPlay("Klondike", true, 100);
    games.recordPlay("Klondike", false, 35);
    games.recordPlay("Klondike", false, 7372);
    games.recordPlay("FreeCell", true, 10);
    EXPECT_EQ(Show("Klondike"), (Figures{"3", "1", "33%", "125:07", "41:42"}));
}

TEST_F(StatisticsDialogTest, ClearAsksFirstAndOnlyYesClears)
{
    StatisticsStore games(*store_, kRoot);
    games.recordPlay("Klondike", true, 90);

    // No: the dialog stays open with the same figures and nothing changes.
    EXPECT_EQ(Show("Klondike", {ids::kCmdClear}, IDNO), (Figures{"1", "1", "100%", "1:30", "1:30"}));
    ASSERT_EQ(confirmations.size(), 1u);
    EXPECT_EQ(confirmations[0],
              "Confirmation|Are you sure you want to clear statistics for the current solitaire?");
    EXPECT_EQ(games.read("Klondike"), (StatisticsRecord{1, 1, 90}));

    // Yes: cleared, and the dialog closes at once.
    int rounds = 0;
    {
        ScopedModalAnswerer answerer([&](const ModalRequest& request) -> std::optional<int> {
            if (request.kind == ModalKind::messageBox)
                return IDYES;
            ++rounds;
            return ids::kCmdClear;
        });
        RunStatisticsDialog(nullptr, *store_, kRoot, "Klondike");
    }
    EXPECT_EQ(rounds, 1);
    EXPECT_EQ(games.read("Klondike"), StatisticsRecord{});
    EXPECT_EQ(Show("Klondike"), (Figures{"0", "0", "0%", "0:00", "0:00"}));
}

}  // namespace
}  // namespace velmora::testing
