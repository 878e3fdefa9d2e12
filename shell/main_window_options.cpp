// The main window's Help and Options commands: the rules of the running
// solitaire, and the settings dialog with what a change of settings needs
// afterwards.
#include "game_field.h"
#include "main_window.h"
#include "options_dialog.h"
#include "rules_view.h"

namespace velmora {

void MainWindow::ShowRules()
{
    // Before any solitaire is chosen there are no rules: the page is empty.
    velmora::ShowRules(this, solitaireLoaded() ? std::string_view(engine_->definition().description)
                                               : std::string_view());
}

void MainWindow::RunOptions()
{
    RunPausedDialog([](MainWindow& window) {
        OptionsHost host{window.preferences_, window.optionsChanged_, window.menuBar_.get(),
                         [&window] { window.ApplyDisplayPreferences(); }};
        RunOptionsDialog(&window, host);
    });
    if (!optionsChanged_)
        return;
    optionsChanged_ = false;
    const auto mode = static_cast<PlayMode>(preferences_.playMode);
    if (mode == PlayMode::keyboardCardWise || mode == PlayMode::keyboardPileWise)
        field_->ClearSelection();
    RedrawField();
    SendMessage(WM_SOL_CHECKEND);
}

}  // namespace velmora
