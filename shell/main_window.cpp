#include "main_window.h"

#include "application.h"
#include "catalogue.h"
#include "chooser_dialogs.h"
#include "clock.h"
#include "common_dialogs.h"
#include "game_field.h"
#include "menu_bar.h"
#include "platform_shell.h"
#include "record_loader.h"
#include "resource_ids.h"
#include "resources.h"
#include "saved_game.h"
#include "screen.h"
#include "statistics.h"

namespace velmora {

namespace {

MainWindow* mainWindow = nullptr;

// Game names become window titles and key names with every byte reduced to
// seven bits.
std::string sevenBitText(std::string_view name)
{
    std::string text(name);
    for (char& c : text)
        c = static_cast<char>(static_cast<unsigned char>(c) & 0x7F);
    return text;
}

std::uint32_t wallClockSeconds()
{
    return static_cast<std::uint32_t>(programClock().now());
}

// The RecordIndex of the game with this SolitaireId, or kNoSolitaire.
std::int32_t recordIndexOf(const ResourceTable& resources, std::int32_t id)
{
    for (const CatalogueEntry& entry : readCatalogue(resources))
        if (entry.id == id)
            return static_cast<std::int32_t>(entry.index);
    return kNoSolitaire;
}

}  // namespace

MainWindow* theMainWindow()
{
    return mainWindow;
}

MainWindow::MainWindow(ShellContext context)
    : context_(context), storeRoot_(storeRoot(LoadString(ids::kStrAppTitle)))
{
    mainWindow = this;
}

MainWindow::~MainWindow()
{
    if (IsCreated())
        Destroy();
    if (mainWindow == this)
        mainWindow = nullptr;
}

bool MainWindow::CreateMainWindow(std::string_view title)
{
    RegisterWindowClass(WindowClass{kMainWindowClass, 0xFFFFFF, isVga() ? 246 : 245});
    // A handheld-sized window, turned or resized freely afterwards.
    const Rect rect = context_.configuration == BuildConfiguration::vga ? Rect{0, 0, 480, 640}
                                                                          : Rect{0, 0, 240, 320};
    if (!Create(kMainWindowClass, title, nullptr, rect))
        return false;
    LoadAccelerators(ids::kAccelMain);
    return true;
}

bool MainWindow::CreateMenuBar()
{
    // Softkeys on screens whose scale is not exactly 1 (standard build);
    // the VGA build starts with the icon toolbar.
    const bool softkeys = context_.configuration == BuildConfiguration::standard && dpiScale() != 1.0;
    menuBar_ = std::make_unique<CMenuBar>();
    const int bitmap = context_.configuration == BuildConfiguration::vga ? ids::kToolbarVga : ids::kToolbarStandard;
    return menuBar_->Create(*this, MenuBarConfig{ids::kBarMainIcons, ids::kBarMainSoftkeys, bitmap,
                                                 ids::kToolbarImageCount, softkeys}) &&
           menuBar_->GetWindow() != nullptr;
}

bool MainWindow::OnCreate()
{
    if (!CreateMenuBar())
        return false;
    // The engine object exists before the field, which keeps a reference.
    engine_ = std::make_unique<Engine>(screenMetrics(), [] { return programClock().tickCount(); });
    field_ = std::make_unique<GameField>(*engine_);
    if (!field_->CreateChild(*this))
        return false;
    field_->SetClockText([this] { return clockText(); });
    LoadPreferences();
    if (!preferencesStorable_)
        MessageBox(nullptr, LoadString(ids::kStrSettingsNotSaved), LoadString(ids::kStrAppTitle),
                   mb::ok | mb::iconWarning);
    if (dpiScale() == 1.0 || dpiScale() == 2.0)
        menuBar_->SetSoftkeyMode(preferences_.softkeyMenu != 0);
    else
        preferences_.softkeyMenu = 1;
    ApplyDisplayPreferences();
    FindCurrentSolitaire();
    if (preferences_.curSolId != kNoSolitaire && !LoadSolitaire())
        preferences_.curSolId = kNoSolitaire;  // the chooser opens instead
    optionsChanged_ = false;
    firstRunPending_ = false;
    clock_ = GameClock{};
    SetTimer(kGameTimerId, kGameTimerPeriodMs);
    if (preferences_.curSolId == kNoSolitaire) {
        firstRunPending_ = true;
    } else {
        if (!RestoreSavedGame())
            StartDeal(0, false);
        // The keyboard cursor appears on the first clock tick, once the
        // game is on screen.
        rehighlightPending_ = isKeyboardMode(field_->Settings().playMode);
        SetTitle(solitaireName());
    }
    return true;
}

void MainWindow::OnClose()
{
    SavePreferences();
    if (preferences_.curSolId == kNoSolitaire)
        return;
    // Saving the game gives its slot a new time, which the preferences just
    // written do not hold yet; without it the game quit last would look like
    // the oldest save and be the first one overwritten.
    if (SaveRunningGame() && preferencesStorable_)
        SaveSlotTimes(preferences_, *context_.registry, storeRoot_);
    Destroy();
}

void MainWindow::OnDestroy()
{
    KillTimer(kGameTimerId);
    PostQuitMessage(0);
}

void MainWindow::OnSize(int width, int height)
{
    if (field_ && field_->IsCreated()) {
        field_->SetWindowRect(Rect{0, 0, width, height});
        field_->ShowField();
    }
}

void MainWindow::OnSettingChange()
{
    HandleSettingChange(*this);
}

std::optional<LResult> MainWindow::OnMessage(const Message& message)
{
    switch (message.id) {
    case WM_ACTIVATE:
        CloseInputPanel();
        if (message.wParam == WA_INACTIVE)
            clock_.pause();
        else if (solitaireLoaded())
            clock_.resume();
        return 0;
    case WM_EXITMENULOOP:
        clock_.resume();
        return 0;
    case WM_ENTERMENULOOP:
        clock_.pause();
        return 0;
    case WM_SOL_CHECKEND:
        EvaluateGame();
        return 0;
    case WM_SOL_SELECT:
        SelectSolitaire();
        return 0;
    default:
        return std::nullopt;
    }
}

void MainWindow::OnTimer(unsigned id)
{
    if (id != kGameTimerId)
        return;
    if (preferences_.curSolId == kNoSolitaire && firstRunPending_) {
        firstRunPending_ = false;
        SendMessage(WM_SOL_SELECT);
        return;
    }
    if (clock_.paused())
        return;
    if (rehighlightPending_) {
        rehighlightPending_ = false;
        ShowKeyboardCandidates();
    }
    if (!clock_.tick(static_cast<std::int32_t>(programClock().now())).secondPassed)
        return;
    if (preferences_.showTimer && !field_->IsBusy())
        field_->ShowField();
    if (preferences_.timedGame && clock_.timeIsUp(preferences_.timeLimit))
        SendMessage(WM_SOL_CHECKEND);
}

bool MainWindow::solitaireLoaded() const
{
    return preferences_.curSolId != kNoSolitaire && engine_ && engine_->hasDefinition();
}

std::string MainWindow::solitaireName() const
{
    return solitaireLoaded() ? sevenBitText(engine_->definition().name) : std::string();
}

std::string MainWindow::clockText() const
{
    return velmora::clockText(
        shownClockSeconds(clock_.elapsedSeconds(), preferences_.timedGame != 0, preferences_.timeLimit));
}

void MainWindow::LoadPreferences()
{
    PreferencesOrigin origin = PreferencesOrigin::stored;
    preferences_ = velmora::LoadPreferences(*context_.registry, storeRoot_, &origin);
    // Defaults standing in for values the store could not give must never
    // be written over those values.
    preferencesStorable_ = origin != PreferencesOrigin::unreadable;
}

void MainWindow::SavePreferences()
{
    preferences_.curSolitaireId = solitaireLoaded() ? engine_->definition().id : kNoSolitaire;
    if (preferencesStorable_)
        velmora::SavePreferences(preferences_, *context_.registry, storeRoot_);
}

// New games take their places in alphabetical order and shift the indices
// of the games after them, so the stored index may name another game than
// the one played last. Its id does not change: where the two disagree, the
// id is followed. A game whose id is no longer in the database is not
// replaced by whichever game now holds its index: the chooser opens.
void MainWindow::FindCurrentSolitaire()
{
    const std::int32_t id = preferences_.curSolitaireId;
    if (id == kNoSolitaire || preferences_.curSolId == kNoSolitaire)
        return;
    preferences_.curSolId = recordIndexOf(*context_.resources, id);
}

void MainWindow::ApplyDisplayPreferences()
{
    field_->SetSettings(FieldSettings{static_cast<FieldPlayMode>(preferences_.playMode & 3),
                                      preferences_.animation != 0, backgroundRgb(preferences_),
                                      static_cast<int>(preferences_.cardBack), preferences_.showTimer != 0});
}

bool MainWindow::LoadSolitaire()
{
    engine_->releaseDefinition();
    const std::optional<Bytes> record =
        loadRuleRecord(*context_.resources, static_cast<RecordIndex>(preferences_.curSolId));
    return record && engine_->loadDefinition(*record) == RecordFault::none;
}

bool MainWindow::RestoreSavedGame()
{
    savedGameKept_ = false;
    if (!engine_->hasDefinition())
        return false;
    SavedGames saved(*context_.registry, storeRoot_, lastPlayed_, wallClockSeconds);
    std::uint32_t elapsed = 0;
    if (!saved.restoreGame(*engine_, elapsed, &savedGameKept_))
        return false;
    clock_.restore(elapsed);
    ShowLoadedGame();
    return true;
}

bool MainWindow::SaveRunningGame()
{
    // The player never saw the saved game that the store could not give, so
    // never chose this deal over it: it stays whole for the next run.
    if (!engine_->hasGame() || savedGameKept_)
        return false;
    SavedGames saved(*context_.registry, storeRoot_, lastPlayed_, wallClockSeconds);
    return saved.saveGame(*engine_, clock_.elapsedSeconds());
}

// The field shows the engine's game afresh (a deal, an undo, a restore).
void MainWindow::ShowLoadedGame()
{
    field_->BuildView();
    field_->PrepareCards();
}

void MainWindow::RedrawField()
{
    field_->ShowField();
}

void MainWindow::SelectSolitaire()
{
    if (preferences_.curSolId != kNoSolitaire)
        SaveRunningGame();
    RunSelectSolitaire(this, preferences_, *context_.resources);
    if (preferences_.curSolId == kNoSolitaire) {
        OnClose();
        PostQuitMessage(0);
        return;
    }
    if (!LoadSolitaire()) {
        // Only a damaged program image gets here: say so and choose again.
        MessageBox(this, LoadString(ids::kStrCannotLoadGame), LoadString(ids::kStrError), mb::ok | mb::iconError);
        preferences_.curSolId = kNoSolitaire;
        firstRunPending_ = true;
        return;
    }
    if (!RestoreSavedGame())
        StartDeal(0, true);
    else
        ShowKeyboardCandidates();
    SetTitle(solitaireName());
    RedrawField();
}

void MainWindow::RecordPlay(bool won, std::uint32_t seconds)
{
    if (!solitaireLoaded())
        return;
    StatisticsStore(*context_.registry, storeRoot_).recordPlay(engine_->definition().name, won, seconds);
}

}  // namespace velmora
