// The program's one top-level window: it owns the menu bar, the game field
// and the engine, embeds the preferences, keeps the clock of the running deal
// and makes every decision of the shell (commands, deals, game end, the
// chooser, saving on close).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine.h"
#include "game_clock.h"
#include "last_played_times.h"
#include "preferences.h"
#include "registry.h"
#include "resource_table.h"
#include "window.h"

namespace velmora {

class CMenuBar;
class GameField;

// What the window works with, owned by the program entry (or a test).
struct ShellContext {
    const ResourceTable* resources = nullptr;
    Registry* registry = nullptr;
    BuildConfiguration configuration = BuildConfiguration::standard;
};

inline constexpr const char* kMainWindowClass = "VelmoraTrelkMainWindow";
inline constexpr unsigned kGameTimerId = 1;
inline constexpr unsigned kGameTimerPeriodMs = 50;

class MainWindow : public CeWnd {
public:
    explicit MainWindow(ShellContext context);
    ~MainWindow() override;

    // Registers the window class and creates the window; false when the
    // window, its menu bar or its game field could not be made.
    bool CreateMainWindow(std::string_view title);

    // ---- Operations of the shell ------------------------------------------
    // Loads the rule record of curSolId into the engine; false (the engine
    // then holds no game) when it is missing or damaged.
    bool LoadSolitaire();
    void StartDeal(GameNumber number, bool redraw);
    void SelectSolitaire();
    void EvaluateGame();
    bool UndoMove();
    void ShowNextMove();
    void LoadPreferences();
    void SavePreferences();

    // ---- What other parts read ---------------------------------------------
    Preferences& preferences() { return preferences_; }
    const GameClock& clock() const { return clock_; }
    Engine& engine() { return *engine_; }
    GameField* field() const { return field_.get(); }
    CMenuBar* menuBar() const { return menuBar_.get(); }
    std::uint16_t hintIndex() const { return hintIndex_; }
    bool firstRunPending() const { return firstRunPending_; }
    // The name of the loaded solitaire, empty when none is loaded.
    std::string solitaireName() const;
    // The text the field shows as the clock.
    std::string clockText() const;

protected:
    void OnClose() override;
    bool OnCreate() override;
    bool OnCommand(int id) override;
    void OnDestroy() override;
    bool OnKeyDown(int virtualKey) override;
    void OnSize(int width, int height) override;
    void OnTimer(unsigned id) override;
    void OnSettingChange() override;
    std::optional<LResult> OnMessage(const Message& message) override;

private:
    bool CreateMenuBar();
    bool solitaireLoaded() const;
    void ApplyDisplayPreferences();
    void FindCurrentSolitaire();
    void ShowLoadedGame();
    bool RestoreSavedGame();
    // True when the running game was written into its slot.
    bool SaveRunningGame();
    void RecordPlay(bool won, std::uint32_t seconds);
    void NewDealAfterAbandon(bool sameDeal);
    void RunPausedDialog(void (*run)(MainWindow&));
    void ShowRules();
    void RunOptions();
    void RedrawField();
    void ShowKeyboardCandidates();
    void GameLost();
    void TimeUp();
    void GameWon();
    void ShowBestTimes();

    ShellContext context_;
    std::string storeRoot_;
    std::unique_ptr<CMenuBar> menuBar_;
    std::unique_ptr<GameField> field_;
    std::unique_ptr<Engine> engine_;
    std::uint16_t hintIndex_ = 0;
    GameClock clock_;
    bool optionsChanged_ = false;
    bool rehighlightPending_ = false;
    bool winDialogsOpen_ = false;
    bool firstRunPending_ = false;
    // False when the stored preferences could not be read: then nothing of
    // them is written this run.
    bool preferencesStorable_ = true;
    // True when the current game's saved game could not be read from the
    // store and the running deal is not saved over it.
    bool savedGameKept_ = false;
    Preferences preferences_;
    LastPlayedTimes lastPlayed_{preferences_};
};

// The one main window of the program, or null before it exists.
MainWindow* theMainWindow();

}  // namespace velmora
