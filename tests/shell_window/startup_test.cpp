// Start-up paths: the screen check, the first run with its chooser, and
// closing and reopening the window on a running deal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "catalogue.h"
#include "dialog_frame.h"
#include "game_field.h"
#include "main_window_fixture.h"
#include "preferences.h"
#include "program.h"
#include "screen.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

constexpr int kChooser = 609;
constexpr int kGameList = 5020;
constexpr int kPlay = 40013;

using StartUp = MainWindowTest;

TEST_F(StartUp, EachBuildRefusesTheOtherScreenClass)
{
    for (const auto& [configuration, pixelsPerInch] :
         {std::pair{BuildConfiguration::standard, 192}, std::pair{BuildConfiguration::vga, 96}}) {
        setPixelsPerInchOverride(pixelsPerInch);
        bool storeOpened = false;
        const int code = RunProgramWindow(ProgramSetup{configuration, &resources, [&] {
                                                           storeOpened = true;
                                                           return std::unique_ptr<Registry>();
                                                       }});
        setPixelsPerInchOverride(std::nullopt);
        EXPECT_EQ(code, 0);
        EXPECT_FALSE(storeOpened);
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.back().text, "Invalid application version for this device");
    }
}

TEST_F(StartUp, FirstRunLeavingTheChooserEndsWithPreferencesWritten)
{
    MainWindow& main = openWindow();
    EXPECT_TRUE(main.firstRunPending());
    EXPECT_EQ(main.Title(), "Velmora");
    tick();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].contentTemplate, kChooser);
    EXPECT_EQ(main.preferences().curSolId, kNoSolitaire);
    // The window stays until the program's end; the preferences are stored.
    EXPECT_TRUE(main.IsCreated());
    RegistryKey key = 0;
    ASSERT_EQ(store().openKey(storeRoot("Velmora") + "\\prefs", key), RegistryStatus::ok);
    std::int32_t stored = 0;
    std::uint32_t size = sizeof stored;
    EXPECT_EQ(store().queryValue(key, "curSolId", &stored, size, nullptr), RegistryStatus::ok);
    EXPECT_EQ(stored, -1);
    store().closeKey(key);
}

TEST_F(StartUp, FirstRunChoosingAGameDealsIt)
{
    const int klondike = gameIndex("Klondike");
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content != kChooser)
            return std::nullopt;
        DialogContent& list = static_cast<DialogFrame*>(request.dialog)->Content();
        for (int row = 0; row < list.ItemCount(kGameList); ++row)
            if (list.ItemValue(kGameList, row) == klondike)
                list.SetSelection(kGameList, row);
        return kPlay;
    };
    MainWindow& main = openWindow();
    tick();
    EXPECT_EQ(main.preferences().curSolId, klondike);
    EXPECT_EQ(main.Title(), "Klondike");
    ASSERT_TRUE(main.engine().hasGame());
    EXPECT_EQ(main.field()->View().pileCount(), main.engine().definition().pileCount());
}

TEST_F(StartUp, ReopeningResumesTheDealWithItsTimeAndHistory)
{
    chooseGameBeforeStart("Klondike");
    MainWindow& first = openWindow();
    ASSERT_TRUE(first.engine().hasGame());
    const GameNumber number = first.preferences().curGameNumber;
    // Deal from the stock by tapping it on screen.
    const Point stock = first.field()->CardPosition(0, 0);
    tap(*first.field(), Point{stock.x + 5, stock.y + 5});
    ASSERT_FALSE(first.engine().state().history.empty());
    tick();
    passSeconds(7);
    const GameState before = first.engine().state();
    closeWindow();
    EXPECT_FALSE(first.IsCreated());

    MainWindow& second = openWindow();
    EXPECT_EQ(second.preferences().curGameNumber, number);
    EXPECT_EQ(second.clock().elapsedSeconds(), 7u);
    const GameState& after = second.engine().state();
    ASSERT_EQ(after.cards.size(), before.cards.size());
    EXPECT_EQ(std::memcmp(after.cards.data(), before.cards.data(), before.cards.size() * sizeof(Card)), 0);
    EXPECT_EQ(after.history.size(), before.history.size());
    EXPECT_TRUE(second.UndoMove());
    EXPECT_EQ(second.engine().state().piles[0].count, 21);
}

// A store file that cannot be used is left as it is; the player may play
// without saving (defaults, nothing written) or quit.
TEST_F(StartUp, AnUnusableStoreOffersToPlayWithoutSaving)
{
    const std::string path = pathOf("foreign.db");
    const std::vector<char> foreign(4096, 'x');
    writeFile(path, foreign);
    int offer = IDNO;
    answer = [&](const ModalRequest& request, int) -> std::optional<int> {
        if (request.kind == ModalKind::messageBox)
            return offer;
        return std::nullopt;
    };
    EXPECT_EQ(openStoreOrPlayWithoutSaving(path), nullptr);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].text.find("Velmora cannot open the file"), std::string::npos);
    EXPECT_NE(seen[0].text.find(path), std::string::npos);
    EXPECT_NE(seen[0].text.find("Play without saving?"), std::string::npos);

    offer = IDYES;
    std::unique_ptr<Registry> memory = openStoreOrPlayWithoutSaving(path);
    ASSERT_NE(memory, nullptr);
    chooseGameBeforeStart("Klondike");  // on the test's own store, then copied
    const Preferences chosen = LoadPreferences(store(), storeRoot("Velmora"));
    ASSERT_TRUE(SavePreferences(chosen, *memory, storeRoot("Velmora")));
    {
        MainWindow main(ShellContext{&resources, memory.get(), BuildConfiguration::standard});
        ASSERT_TRUE(main.CreateMainWindow("Velmora"));
        EXPECT_EQ(main.Title(), "Klondike");
        main.SendMessage(WM_CLOSE);
        processEvents();
    }
    EXPECT_EQ(readFile(path), foreign);
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
    // Within the run the memory store keeps what the window saved.
    EXPECT_EQ(LoadPreferences(*memory, storeRoot("Velmora")).curSolId, gameIndex("Klondike"));
}

// A database update shifts the indices: the stored index then names another
// game, and the stored id leads back to the game and its saved state.
TEST_F(StartUp, TheCurrentGameIsFoundByItsIdWhenTheIndicesHaveMoved)
{
    chooseGameBeforeStart("Klondike");
    MainWindow& first = openWindow();
    const Point stock = first.field()->CardPosition(0, 0);
    tap(*first.field(), Point{stock.x + 5, stock.y + 5});
    const std::size_t steps = first.engine().state().history.size();
    ASSERT_GT(steps, 0u);
    const SolitaireId klondike = first.engine().definition().id;
    closeWindow();

    const std::string root = storeRoot("Velmora");
    Preferences stored = LoadPreferences(store(), root);
    EXPECT_EQ(stored.curSolitaireId, klondike);
    stored.curSolId = gameIndex("Klondike") + 1;  // as an older database had it
    ASSERT_TRUE(SavePreferences(stored, store(), root));

    MainWindow& second = openWindow();
    EXPECT_EQ(second.Title(), "Klondike");
    EXPECT_EQ(second.preferences().curSolId, gameIndex("Klondike"));
    EXPECT_EQ(second.engine().state().history.size(), steps);
    closeWindow();

    // An id that is no longer in the database opens the chooser rather than
    // whichever game holds the stored index now.
    std::vector<bool> used(kMaxGames);
    for (const CatalogueEntry& entry : readCatalogue(resources))
        used[entry.id] = true;
    stored = LoadPreferences(store(), root);
    stored.curSolitaireId = static_cast<std::int32_t>(std::find(used.begin(), used.end(), false) - used.begin());
    ASSERT_LT(stored.curSolitaireId, kMaxGames);
    ASSERT_TRUE(SavePreferences(stored, store(), root));
    MainWindow& third = openWindow();
    EXPECT_TRUE(third.firstRunPending());
}

}  // namespace
}  // namespace velmora::testing
