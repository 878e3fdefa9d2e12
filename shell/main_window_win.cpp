// The main window's part in the best times: the won deal (statistics, the
// win dialog, the list) and the Show Best Times command.
#include "best_times.h"
#include "best_times_dialog.h"
#include "clock.h"
#include "main_window.h"
#include "win_dialog.h"

namespace velmora {

// The deal's time is the clock brought up to the current second. The clock
// keeps running while the dialogs are open, as StartDeal resets it anyway;
// checks of the game's end that its ticks ask for meanwhile are ignored, as
// the won deal is still on the board.
void MainWindow::GameWon()
{
    const BestTimesLocation location = bestTimesLocation(*context_.registry, storeRoot_, engine_->definition().name);
    bool readable = false;
    BestTimes record = LoadBestTimes(location, &readable);
    clock_.tick(static_cast<std::int32_t>(programClock().now()));
    const std::uint32_t seconds = clock_.elapsedSeconds();
    RecordPlay(true, seconds);
    // A list the store could not give takes no time this once: saving it
    // with the new time would replace the stored list by that one entry.
    if (readable && QualifiesForBestTimes(record, seconds)) {
        winDialogsOpen_ = true;
        if (RunWinDialog(this, preferences_)) {
            InsertBestTime(record, lastEnteredName(preferences_), seconds, location);
            RunBestTimesDialog(this, location);
        }
        winDialogsOpen_ = false;
    }
    StartDeal(0, true);
}

void MainWindow::ShowBestTimes()
{
    if (solitaireLoaded())
        RunBestTimesDialog(this, bestTimesLocation(*context_.registry, storeRoot_, engine_->definition().name));
}

}  // namespace velmora
