// The main window's game flow: deals, commands, undo, hints and the end of a
// deal (won, lost, time up).
#include "about_box.h"
#include "application.h"
#include "chooser_dialogs.h"
#include "clock.h"
#include "common_dialogs.h"
#include "game_field.h"
#include "main_window.h"
#include "message_dialog.h"
#include "resource_ids.h"
#include "resources.h"

namespace velmora {

void MainWindow::StartDeal(GameNumber number, bool redraw)
{
    if (!engine_->hasDefinition())
        return;
    engine_->newDeal(number);
    preferences_.curGameNumber = number;
    engine_->runDealEvents();
    hintIndex_ = 0;
    ShowLoadedGame();
    clock_.startDeal();
    if (redraw)
        RedrawField();
    SendMessage(WM_SOL_CHECKEND);
}

bool MainWindow::OnCommand(int id)
{
    switch (id) {
    case ids::kCmdUndo:
        UndoMove();
        return true;
    case ids::kCmdShowNextMove:
        ShowNextMove();
        return true;
    case ids::kCmdNewGame:
        NewDealAfterAbandon(false);
        return true;
    case ids::kCmdRestart:
        NewDealAfterAbandon(true);
        return true;
    case ids::kCmdSelectSolitaire:
        SelectSolitaire();
        return true;
    case ids::kCmdAbout:
        RunPausedDialog([](MainWindow& window) { RunAboutBox(&window); });
        return true;
    case ids::kCmdStatistics:
        RunPausedDialog([](MainWindow& window) {
            if (window.solitaireLoaded())
                RunStatisticsDialog(&window, *window.context_.registry, window.storeRoot_,
                                    window.engine_->definition().name);
        });
        return true;
    default:
        return false;
    }
}

bool MainWindow::OnKeyDown(int virtualKey)
{
    (void)virtualKey;  // keyboard play arrives with its own modes
    return false;
}

// Dialogs of commands never count towards the deal's time.
void MainWindow::RunPausedDialog(void (*run)(MainWindow&))
{
    clock_.pause();
    run(*this);
    clock_.resume();
}

void MainWindow::NewDealAfterAbandon(bool sameDeal)
{
    if (!solitaireLoaded())
        return;
    RecordPlay(false, clock_.elapsedSeconds());
    StartDeal(sameDeal ? preferences_.curGameNumber : 0, true);
}

bool MainWindow::UndoMove()
{
    if (engine_->hasGame() && !engine_->state().history.empty()) {
        engine_->undoStep();
        ShowLoadedGame();
        RedrawField();
        return true;
    }
    clock_.pause();
    MessageBox(this, LoadString(ids::kStrUndoNotAvailable), LoadString(ids::kStrNoUndo), mb::ok);
    clock_.resume();
    return false;
}

void MainWindow::ShowNextMove()
{
    if (!engine_->hasGame())
        return;
    std::optional<Move> move = engine_->findMove(hintIndex_);
    if (!move && hintIndex_ != 0) {
        hintIndex_ = 0;
        move = engine_->findMove(0);
    }
    if (!move)
        return;
    field_->ShowHint(*move);
    ++hintIndex_;
}

void MainWindow::EvaluateGame()
{
    if (!engine_->hasGame())
        return;
    if (engine_->isWon()) {
        RecordPlay(true, clock_.elapsedSeconds());
        StartDeal(0, true);
    } else if (!engine_->findMove(0)) {
        GameLost();
    } else if (preferences_.timedGame && clock_.timeIsUp(preferences_.timeLimit)) {
        TimeUp();
    }
    hintIndex_ = 0;
}

void MainWindow::GameLost()
{
    clock_.pause();
    const int answer = MessageDialog(ids::kStrSorry, ids::kStrYouLose, ids::kBarLoss,
                                     {ids::kCmdNewGame, ids::kCmdRestart, ids::kCmdUndo})
                           .Run(this);
    if (answer == ids::kCmdUndo) {
        clock_.resume();
        if (UndoMove())
            return;
        RecordPlay(false, clock_.elapsedSeconds());
        StartDeal(0, true);
        return;
    }
    RecordPlay(false, clock_.elapsedSeconds());
    StartDeal(answer == ids::kCmdRestart ? preferences_.curGameNumber : 0, true);
}

void MainWindow::TimeUp()
{
    RecordPlay(false, preferences_.timeLimit * 60);
    clock_.pause();
    const int answer = MessageDialog(ids::kStrTimeUpTitle, ids::kStrTimeUp, ids::kBarTimeUp,
                                     {ids::kCmdNewGame, ids::kCmdRestart})
                           .Run(this);
    StartDeal(answer == ids::kCmdRestart ? preferences_.curGameNumber : 0, true);
}

}  // namespace velmora
