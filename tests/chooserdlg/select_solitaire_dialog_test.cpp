#include <algorithm>

#include "chooser_dialog_fixture.h"
#include "chooser_dialogs.h"

namespace velmora::testing {
namespace {

namespace ctl = chooser_control;

int rowOf(const ChooserUnderTest& chooser, std::string_view name)
{
    const std::vector<int> values = chooser.ListedValues();
    for (std::size_t row = 0; row < values.size(); ++row) {
        const CatalogueEntry* entry = chooser.Games().entry(values[row]);
        if (entry != nullptr && entry->name == name)
            return static_cast<int>(row);
    }
    return -1;
}

SolitaireId idOf(const ChooserUnderTest& chooser, std::string_view name)
{
    return chooser.Games().entry(chooser.ListedValues().at(static_cast<std::size_t>(rowOf(chooser, name))))->id;
}

void command(ChooserUnderTest& chooser, int id) { chooser.Frame()->Command(id); }

// Chooses value in a one-column popup as a tap on its row would.
void chooseInPopup(ChooserUnderTest& chooser, int popup, int row)
{
    chooser.SetSelection(popup, row);
    chooser.Notify(popup, ControlEvent::activated);
}

TEST_F(ChooserDialogTest, OpensWithTheStoredFiltersAndNothingSelected)
{
    preferences_.filterCat = 7;
    preferences_.filterLetter = 11;
    const int result = RunChooser([&](ChooserUnderTest& chooser, int) {
        EXPECT_EQ(chooser.ListedValues(), chooser.Games().listedGames({.category = 7, .letter = 11}, {}));
        EXPECT_GE(rowOf(chooser, "Klondike"), 0);
        EXPECT_EQ(chooser.SelectedRow(), -1);
        EXPECT_FALSE(chooser.FavouriteButtonShown());
        EXPECT_FALSE(chooser.IsControlVisible(ctl::kCategoryPopup));
        return IDCANCEL;
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(preferences_.curSolId, kNoSolitaire);
}

TEST_F(ChooserDialogTest, ChoosingInAFilterPopupRebuildsOnlyWhenTheValueChanges)
{
    RunChooser([&](ChooserUnderTest& chooser, int) {
        chooser.SelectRow(3);
        command(chooser, ctl::kCategoryButton);
        EXPECT_TRUE(chooser.IsControlVisible(ctl::kCategoryPopup));
        EXPECT_EQ(chooser.FocusedControl(), ctl::kCategoryPopup);
        EXPECT_EQ(chooser.Selection(ctl::kCategoryPopup), 0);

        chooseInPopup(chooser, ctl::kCategoryPopup, 0);  // "All", already active
        EXPECT_FALSE(chooser.IsControlVisible(ctl::kCategoryPopup));
        EXPECT_EQ(chooser.SelectedRow(), 3);
        EXPECT_TRUE(chooser.FavouriteButtonShown());

        command(chooser, ctl::kCategoryButton);
        chooseInPopup(chooser, ctl::kCategoryPopup, 8);  // "Spider"
        EXPECT_EQ(chooser.Filter().category, 8);
        EXPECT_EQ(chooser.ListedValues(), chooser.Games().listedGames({.category = 8}, {}));
        EXPECT_GE(rowOf(chooser, "Spider"), 0);
        EXPECT_EQ(chooser.SelectedRow(), -1);
        EXPECT_FALSE(chooser.FavouriteButtonShown());
        EXPECT_TRUE(chooser.IsControlVisible(ctl::kGameList));
        EXPECT_EQ(chooser.FocusedControl(), ctl::kCategoryButton);
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, ResetClearsEveryFilterButDoesNothingWhenNoneIsSet)
{
    RunChooser([&](ChooserUnderTest& chooser, int) {
        chooser.SelectRow(5);
        command(chooser, ctl::kResetButton);
        EXPECT_EQ(chooser.SelectedRow(), 5);

        command(chooser, ctl::kSkillButton);
        chooseInPopup(chooser, ctl::kSkillPopup, 2);
        command(chooser, ctl::kTimeButton);
        chooseInPopup(chooser, ctl::kTimePopup, 3);
        EXPECT_EQ(chooser.ListedValues(), chooser.Games().listedGames({.skill = 2, .time = 3}, {}));
        command(chooser, ctl::kResetButton);
        EXPECT_EQ(chooser.Filter(), ChooserFilter{});
        EXPECT_EQ(static_cast<int>(chooser.ListedValues().size()), chooser.Games().size());
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, APopupClosesWithoutChoosingOnATapBesideItOrWhenTheFocusLeaves)
{
    RunChooser([&](ChooserUnderTest& chooser, int) {
        command(chooser, ctl::kSkillButton);
        chooser.SetSelection(ctl::kSkillPopup, 3);
        tap(chooser, Point{120, 285});  // between the two bottom buttons
        EXPECT_FALSE(chooser.IsControlVisible(ctl::kSkillPopup));
        EXPECT_EQ(chooser.FocusedControl(), ctl::kSkillButton);

        command(chooser, ctl::kTimeButton);
        chooser.FocusControl(ctl::kFavouritesButton);
        EXPECT_FALSE(chooser.IsControlVisible(ctl::kTimePopup));
        EXPECT_EQ(chooser.Filter(), ChooserFilter{});
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, TheLetterPopupOpensAtTheCurrentLetterAndItsColumnsMoveTogether)
{
    preferences_.filterLetter = 26;
    RunChooser([&](ChooserUnderTest& chooser, int) {
        command(chooser, ctl::kLetterButton);
        for (int column : ctl::kLetterColumns) {
            EXPECT_TRUE(chooser.IsControlVisible(column));
            EXPECT_EQ(chooser.Selection(column), 8);
        }
        EXPECT_EQ(chooser.FocusedControl(), ctl::kLetterColumns[2]);

        chooser.PressKey(ctl::kLetterColumns[2], VK_UP);
        EXPECT_EQ(chooser.Selection(ctl::kLetterColumns[0]), 7);
        EXPECT_EQ(chooser.Selection(ctl::kLetterColumns[1]), 7);

        chooser.FocusControl(ctl::kLetterColumns[0]);
        EXPECT_TRUE(chooser.IsControlVisible(ctl::kLetterColumns[2]));  // still open
        chooser.SetSelection(ctl::kLetterColumns[0], 3);
        chooser.PressKey(ctl::kLetterColumns[0], VK_RETURN);
        EXPECT_EQ(chooser.Filter().letter, 3);
        for (int column : ctl::kLetterColumns)
            EXPECT_FALSE(chooser.IsControlVisible(column));
        for (int value : chooser.ListedValues())
            EXPECT_EQ(chooser.Games().entry(value)->name.front(), 'C');
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, TheFavouriteButtonAddsAndRemovesTheSelectedGame)
{
    RunChooser([&](ChooserUnderTest& chooser, int) {
        const int row = rowOf(chooser, "Klondike");
        const SolitaireId id = idOf(chooser, "Klondike");
        chooser.SelectRow(row);
        EXPECT_TRUE(chooser.FavouriteButtonShown());
        EXPECT_EQ(chooser.Status(), FavouriteStatus::notFavourite);

        command(chooser, ctl::kFavouriteButton);
        EXPECT_TRUE(preferences_.favourites.contains(id));
        EXPECT_EQ(chooser.Status(), FavouriteStatus::favourite);

        // Outside favourites mode the row stays; only its star goes.
        command(chooser, ctl::kFavouriteButton);
        EXPECT_FALSE(preferences_.favourites.contains(id));
        EXPECT_EQ(chooser.Status(), FavouriteStatus::notFavourite);
        EXPECT_EQ(chooser.SelectedRow(), row);
        EXPECT_EQ(rowOf(chooser, "Klondike"), row);
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, RemovingAFavouriteInFavouritesModeTakesItsRowAway)
{
    preferences_.filterFav = 1;
    RunChooser([&](ChooserUnderTest& chooser, int) {
        EXPECT_EQ(chooser.ListedValues(), std::vector<int>{kNoGameMarker});
        command(chooser, ctl::kFavouritesButton);  // leave favourites mode to pick two
        for (const char* name : {"Klondike", "FreeCell"}) {
            chooser.SelectRow(rowOf(chooser, name));
            command(chooser, ctl::kFavouriteButton);
        }
        command(chooser, ctl::kFavouritesButton);
        EXPECT_EQ(chooser.ListedValues().size(), 2u);

        chooser.FocusControl(ctl::kGameList);
        chooser.SelectRow(rowOf(chooser, "Klondike"));
        chooser.FocusControl(ctl::kFavouriteButton);
        command(chooser, ctl::kFavouriteButton);
        EXPECT_EQ(rowOf(chooser, "Klondike"), -1);
        EXPECT_EQ(rowOf(chooser, "FreeCell"), 0);
        EXPECT_EQ(chooser.SelectedRow(), -1);
        EXPECT_FALSE(chooser.FavouriteButtonShown());
        // The focus does not stay on the hidden button.
        EXPECT_EQ(chooser.FocusedControl(), ctl::kFavouritesButton);
        return IDCANCEL;
    });
    EXPECT_EQ(preferences_.favourites.count(), 1u);
}

TEST_F(ChooserDialogTest, WithoutFavouritesFavouritesModeShowsTheMarkerAndPlayAndEnterDoNothing)
{
    int rounds = 0;
    const int result = RunChooser([&](ChooserUnderTest& chooser, int attempt) {
        ++rounds;
        if (attempt > 0)
            return IDCANCEL;
        command(chooser, ctl::kFavouritesButton);
        EXPECT_EQ(chooser.Filter().favourites, 1);
        EXPECT_EQ(chooser.ListedValues(), std::vector<int>{kNoGameMarker});
        chooser.FocusControl(ctl::kGameList);
        EXPECT_EQ(chooser.SelectedRow(), 0);
        EXPECT_FALSE(chooser.FavouriteButtonShown());
        chooser.PressKey(ctl::kGameList, VK_RETURN);
        command(chooser, ctl::kFavouriteButton);
        EXPECT_FALSE(chooser.Frame()->HasEnded());
        EXPECT_TRUE(preferences_.favourites.isEmpty());
        return ids::kCmdPlay;
    });
    EXPECT_EQ(rounds, 2);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(preferences_.curSolId, kNoSolitaire);
}

TEST_F(ChooserDialogTest, FocusSelectsTheTopRowAndSkipsTheHiddenFavouriteButton)
{
    RunChooser([&](ChooserUnderTest& chooser, int) {
        EXPECT_EQ(chooser.FocusReturnTarget(), ctl::kFavouritesButton);
        chooser.Notify(ctl::kFavouriteButton, ControlEvent::focusGained);  // forwards from the list
        EXPECT_EQ(chooser.FocusedControl(), ctl::kFavouritesButton);
        EXPECT_EQ(chooser.FocusReturnTarget(), ctl::kGameList);

        chooser.SetTopIndex(ctl::kGameList, 10);
        chooser.Notify(ctl::kFavouriteButton, ControlEvent::focusGained);  // backwards from the favourites
        EXPECT_EQ(chooser.FocusedControl(), ctl::kGameList);
        EXPECT_EQ(chooser.SelectedRow(), chooser.TopIndex(ctl::kGameList));
        EXPECT_GT(chooser.SelectedRow(), 0);
        EXPECT_TRUE(chooser.FavouriteButtonShown());
        EXPECT_EQ(chooser.FocusReturnTarget(), ctl::kFavouritesButton);
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, EnterInTheListPlaysTheSelectedGame)
{
    int chosen = -1;
    const int result = RunChooser([&](ChooserUnderTest& chooser, int attempt) {
        if (attempt > 0)
            return IDCANCEL;
        chooser.SelectRow(rowOf(chooser, "Canfield"));
        chosen = chooser.ListedValues().at(static_cast<std::size_t>(chooser.SelectedRow()));
        EXPECT_TRUE(chooser.Notify(ctl::kGameList, ControlEvent::activated));  // a tap only selects
        EXPECT_FALSE(chooser.Frame()->HasEnded());
        chooser.PressKey(ctl::kGameList, VK_RETURN);
        EXPECT_TRUE(chooser.Frame()->HasEnded());
        return 0;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(preferences_.curSolId, chosen);
}

// How many pixels of the colour lie in the area.
int pixelsOf(const Surface& surface, const Rect& area, Colour colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += surface.Pixel(x, y) == colour ? 1 : 0;
    return count;
}

TEST_F(ChooserDialogTest, TheListShowsEachGamesIconsAndOnlyTheFocusedLetterColumnHighlights)
{
    preferences_.filterLetter = 19;  // "S", in the third column
    RunChooser([&](ChooserUnderTest& chooser, int) {
        const CatalogueEntry* entry = chooser.Games().entry(chooser.ListedValues().front());
        EXPECT_NE(entry, nullptr);
        if (entry == nullptr)
            return IDCANCEL;
        const CatalogueEntry& first = *entry;
        const Rect list = chooser.ControlRect(ctl::kGameList);
        const Surface before = grabClient(chooser);
        EXPECT_GT(pixelsOf(before, list, plainIconColour(timeIconId(first.timeClass, BuildConfiguration::standard))),
                  0);

        command(chooser, ctl::kLetterButton);
        processEvents();
        const Surface opened = grabClient(chooser);
        EXPECT_GT(pixelsOf(opened, chooser.ControlRect(ctl::kLetterColumns[2]), kHighlightColour), 0);
        EXPECT_EQ(pixelsOf(opened, chooser.ControlRect(ctl::kLetterColumns[0]), kHighlightColour), 0);
        return IDCANCEL;
    });
}

// The main window's entry point, answered as the player would with the
// softkeys, and the preferences as they reach the store afterwards.
class RunSelectSolitaireTest : public ChooserDialogTest {
protected:
    bool Run(int row, int softkey)
    {
        ScopedModalAnswerer answerer([&](const ModalRequest& request) -> std::optional<int> {
            auto& content = static_cast<DialogFrame*>(request.dialog)->Content();
            if (request.attempt == 0)
                content.SetSelection(ctl::kGameList, row);
            return request.attempt == 0 ? softkey : IDCANCEL;
        });
        return RunSelectSolitaire(nullptr, preferences_, resources_);
    }
};

TEST_F(RunSelectSolitaireTest, PlaySetsTheCurrentSolitaireAndCancelLeavesIt)
{
    preferences_.filterCat = 2;
    const std::vector<int> canfields = Catalogue(resources_).listedGames({.category = 2}, {});
    ASSERT_GE(canfields.size(), 2u);
    EXPECT_TRUE(Run(1, ids::kCmdPlay));
    EXPECT_EQ(preferences_.curSolId, canfields[1]);
    EXPECT_FALSE(Run(0, IDCANCEL));
    EXPECT_EQ(preferences_.curSolId, canfields[1]);
}

TEST_F(RunSelectSolitaireTest, FiltersAndFavouritesChangedInTheDialogAreStored)
{
    RunChooser([&](ChooserUnderTest& chooser, int) {
        command(chooser, ctl::kCategoryButton);
        chooseInPopup(chooser, ctl::kCategoryPopup, 7);
        command(chooser, ctl::kTimeButton);
        chooseInPopup(chooser, ctl::kTimePopup, 2);
        chooser.SelectRow(0);
        command(chooser, ctl::kFavouriteButton);
        command(chooser, ctl::kFavouritesButton);
        return IDCANCEL;
    });
    ASSERT_TRUE(SavePreferences(preferences_, *store_, kRoot));
    const Preferences stored = LoadPreferences(*store_, kRoot);
    EXPECT_EQ(stored.filterCat, 7);
    EXPECT_EQ(stored.filterTime, 2);
    EXPECT_EQ(stored.filterSkill, 0);
    EXPECT_EQ(stored.filterLetter, 0);
    EXPECT_EQ(stored.filterFav, 1);
    EXPECT_EQ(stored.favourites.count(), 1u);
    EXPECT_EQ(stored.curSolId, kNoSolitaire);
}

}  // namespace
}  // namespace velmora::testing
