// The main window over a store that is busy, unreadable or failing: what the
// player keeps must survive, and the slot times must follow the saves.
#include <gtest/gtest.h>

#include <algorithm>

#include "faulty_registry.h"
#include "game_field.h"
#include "main_window_fixture.h"
#include "preferences.h"
#include "saved_game.h"
#include "store_lock.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

const std::string kRoot = storeRoot("Velmora");
const std::string kSettingsNotSaved =
    "Velmora cannot read its settings: the file that keeps them is in use or cannot be read. "
    "Velmora plays on with the default settings, and settings cannot be saved this time.";

class StoreFaults : public MainWindowTest {
protected:
    // Stored preferences away from the defaults, Klondike the current game.
    Preferences storeChangedPreferences()
    {
        chooseGameBeforeStart("Klondike", true, 10);
        Preferences preferences = LoadPreferences(store(), kRoot);
        preferences.cardBack = 2;
        preferences.favourites.add(212);
        EXPECT_TRUE(SavePreferences(preferences, store(), kRoot));
        return preferences;
    }
    // The same store again, with a short wait for another process's lock.
    void reopenWithShortWaits()
    {
        registry.reset();
        std::string error;
        registry = RegistryStore::open(pathOf("store.db"), error, 50);
        ASSERT_NE(registry, nullptr) << error;
    }
    // Deals from the stock by tapping it on screen: one more step.
    static void tapStock(MainWindow& main)
    {
        const Point stock = main.field()->CardPosition(0, 0);
        tap(*main.field(), Point{stock.x + 5, stock.y + 5});
    }
    // The running game in its stored form, time included.
    static Bytes savedForm(MainWindow& main)
    {
        return encodeSavedGame(main.engine().definition(), main.engine().state(), main.clock().elapsedSeconds());
    }
    int messagesWithText(const std::string& text) const
    {
        return static_cast<int>(std::count_if(seen.begin(), seen.end(), [&](const Seen& s) {
            return s.kind == ModalKind::messageBox && s.text == text;
        }));
    }
};

TEST_F(StoreFaults, AStoreLockedByAnotherWriterAtStartKeepsThePreferences)
{
    const Preferences stored = storeChangedPreferences();
    reopenWithShortWaits();
    StoreWriteLock writer(pathOf("store.db"));
    MainWindow& main = openWindow();
    EXPECT_EQ(main.preferences().curSolId, gameIndex("Klondike"));
    EXPECT_EQ(main.preferences().timeLimit, 10u);
    EXPECT_EQ(main.preferences().cardBack, 2u);
    EXPECT_EQ(messagesWithText(kSettingsNotSaved), 0);
    writer.release();
    closeWindow();

    Preferences after = LoadPreferences(store(), kRoot);
    EXPECT_EQ(after.timeLimit, 10u);
    EXPECT_EQ(after.cardBack, 2u);
    EXPECT_EQ(after.favourites, stored.favourites);
    EXPECT_EQ(after.curSolId, gameIndex("Klondike"));
}

// A store that another process is writing to at start cannot take the
// marker of a restore under way. That is no damage: the saved game is
// restored all the same, instead of a fresh deal that the save at close
// would write over it.
TEST_F(StoreFaults, ASavedGameIsRestoredWhileAnotherWriterHoldsTheStore)
{
    chooseGameBeforeStart("Klondike");
    tapStock(openWindow());
    tapStock(*window);
    passSeconds(4);
    const Bytes saved = savedForm(*window);
    closeWindow();

    reopenWithShortWaits();
    StoreWriteLock writer(pathOf("store.db"));
    MainWindow& main = openWindow();
    EXPECT_EQ(savedForm(main), saved);
    writer.release();
    tapStock(main);
    const Bytes played = savedForm(main);
    closeWindow();

    EXPECT_EQ(savedForm(openWindow()), played);
}

// A store that fails for another reason gives a fresh deal, which is not
// saved over the saved game, even when the store works again by the end.
TEST_F(StoreFaults, AFreshDealIsNotSavedOverASaveTheStoreCouldNotGive)
{
    chooseGameBeforeStart("Klondike");
    tapStock(openWindow());
    tapStock(*window);
    const Bytes saved = savedForm(*window);
    closeWindow();

    FaultyRegistry faulty(store());
    faulty.refusedWrites = {"failed"};
    window = std::make_unique<MainWindow>(ShellContext{&resources, &faulty, BuildConfiguration::standard});
    ASSERT_TRUE(window->CreateMainWindow("Velmora"));
    EXPECT_TRUE(window->engine().state().history.empty());
    faulty.refusedWrites.clear();
    tapStock(*window);
    closeWindow();

    EXPECT_EQ(savedForm(openWindow()), saved);
}

TEST_F(StoreFaults, UnreadablePreferencesAreToldOnceAndNeverWrittenBack)
{
    const Preferences stored = storeChangedPreferences();
    FaultyRegistry faulty(store());
    faulty.refuseReads = true;
    window = std::make_unique<MainWindow>(ShellContext{&resources, &faulty, BuildConfiguration::standard});
    ASSERT_TRUE(window->CreateMainWindow("Velmora"));
    EXPECT_EQ(messagesWithText(kSettingsNotSaved), 1);
    EXPECT_EQ(window->preferences().timeLimit, 3u);  // plays on with the defaults
    EXPECT_TRUE(window->firstRunPending());

    faulty.refuseReads = false;  // the store answers again before the end
    window->preferences().timeLimit = 5;
    closeWindow();
    EXPECT_EQ(messagesWithText(kSettingsNotSaved), 1);
    EXPECT_EQ(LoadPreferences(store(), kRoot), stored);
}

TEST_F(StoreFaults, TheGameSavedAtCloseHasItsSaveTimeStored)
{
    chooseGameBeforeStart("Klondike");
    openWindow();
    passSeconds(5);
    const auto now = static_cast<std::uint32_t>(clock.now());
    closeWindow();
    const Preferences stored = LoadPreferences(store(), kRoot);
    // The first save takes the highest-numbered of the empty slots.
    EXPECT_EQ(stored.lastPlayed[9], now);
}

}  // namespace
}  // namespace velmora::testing
