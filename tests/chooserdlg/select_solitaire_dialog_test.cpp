#include "chooser_dialog_fixture.h"
#include "chooser_dialogs.h"

namespace velmora::testing {
namespace {

namespace ctl = chooser_control;

int pixelsOf(const Surface& surface, const Rect& area, Colour colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += surface.Pixel(x, y) == colour ? 1 : 0;
    return count;
}

TEST_F(ChooserDialogTest, AFilterPopupRebuildsTheListOnlyWhenItsValueChanges)
{
    preferences_.filterCat = 7;
    RunChooser([&](ChooserUnderTest& chooser, int) {
        EXPECT_EQ(chooser.Listed(), chooser.Games().listedGames({.category = 7}, {}));
        EXPECT_EQ(chooser.SelectedRow(), -1);
        EXPECT_FALSE(chooser.FavouriteShown());
        chooser.Choose(ctl::kGameList, 3);
        chooser.Command(ctl::kCategoryButton);
        EXPECT_EQ(chooser.FocusedControl(), ctl::kCategoryPopup);
        EXPECT_EQ(chooser.Selection(ctl::kCategoryPopup), 7);
        chooser.Choose(ctl::kCategoryPopup, 7);  // the active one
        EXPECT_FALSE(chooser.IsControlVisible(ctl::kCategoryPopup));
        EXPECT_EQ(chooser.SelectedRow(), 3);
        EXPECT_TRUE(chooser.FavouriteShown());

        chooser.Command(ctl::kCategoryButton);
        chooser.Choose(ctl::kCategoryPopup, 8);
        EXPECT_EQ(chooser.Listed(), chooser.Games().listedGames({.category = 8}, {}));
        EXPECT_EQ(chooser.SelectedRow(), -1);
        EXPECT_FALSE(chooser.FavouriteShown());
        EXPECT_EQ(chooser.FocusedControl(), ctl::kCategoryButton);

        // A tap beside an open popup, or the focus leaving it, closes it unchanged.
        chooser.Command(ctl::kSkillButton);
        tap(chooser, Point{120, 285});
        chooser.Command(ctl::kTimeButton);
        chooser.FocusControl(ctl::kFavouritesButton);
        EXPECT_FALSE(chooser.IsControlVisible(ctl::kSkillPopup) || chooser.IsControlVisible(ctl::kTimePopup));
        EXPECT_EQ(chooser.Filter(), (ChooserFilter{.category = 8}));
        chooser.Command(ctl::kTimeButton);
        chooser.Choose(ctl::kTimePopup, 2);
        return IDCANCEL;
    });
    // Closing writes the filters back, and the preferences store them.
    ASSERT_TRUE(SavePreferences(preferences_, *store_, kRoot));
    const Preferences stored = LoadPreferences(*store_, kRoot);
    EXPECT_EQ(std::vector({stored.filterCat, stored.filterSkill, stored.filterTime, stored.filterLetter}),
              std::vector({8, 0, 2, 0}));
}

TEST_F(ChooserDialogTest, ResetClearsTheFiltersAndDoesNothingWhenNoneIsSet)
{
    RunChooser([&](ChooserUnderTest& chooser, int) {
        chooser.Choose(ctl::kGameList, 5);
        chooser.Command(ctl::kResetButton);
        EXPECT_EQ(chooser.SelectedRow(), 5);
        chooser.Command(ctl::kSkillButton);
        chooser.Choose(ctl::kSkillPopup, 2);
        EXPECT_EQ(chooser.Listed(), chooser.Games().listedGames({.skill = 2}, {}));
        chooser.Command(ctl::kResetButton);
        EXPECT_EQ(chooser.Filter(), ChooserFilter{});
        EXPECT_EQ(static_cast<int>(chooser.Listed().size()), chooser.Games().size());
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, TheLetterPopupShowsTheLetterInItsColumnAndTheColumnsMoveTogether)
{
    preferences_.filterLetter = 26;
    RunChooser([&](ChooserUnderTest& chooser, int) {
        chooser.Command(ctl::kLetterButton);
        for (int column : ctl::kLetterColumns)
            EXPECT_EQ(chooser.Selection(column), 8);
        EXPECT_EQ(chooser.FocusedControl(), ctl::kLetterColumns[2]);
        chooser.PressKey(ctl::kLetterColumns[2], VK_UP);
        EXPECT_EQ(chooser.Selection(ctl::kLetterColumns[0]), 7);
        chooser.FocusControl(ctl::kLetterColumns[0]);
        EXPECT_TRUE(chooser.IsControlVisible(ctl::kLetterColumns[2]));

        chooser.SetSelection(ctl::kLetterColumns[0], 3);
        chooser.PressKey(ctl::kLetterColumns[0], VK_RETURN);
        EXPECT_FALSE(chooser.IsControlVisible(ctl::kLetterColumns[2]));
        EXPECT_EQ(chooser.Listed(), chooser.Games().listedGames({.letter = 3}, {}));
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, AFavouriteLeavesTheListAtOnceOnlyInFavouritesMode)
{
    RunChooser([&](ChooserUnderTest& chooser, int) {
        for (const char* name : {"FreeCell", "Klondike"}) {
            chooser.Choose(ctl::kGameList, chooser.RowOf(name));
            EXPECT_EQ(chooser.Status(), FavouriteStatus::notFavourite);
            chooser.Command(ctl::kFavouriteButton);
            EXPECT_EQ(chooser.Status(), FavouriteStatus::favourite);
        }
        const int klondike = chooser.RowOf("Klondike");
        chooser.Command(ctl::kFavouriteButton);
        EXPECT_EQ(chooser.RowOf("Klondike"), klondike);  // only its star goes
        chooser.Command(ctl::kFavouriteButton);

        chooser.Command(ctl::kFavouritesButton);
        EXPECT_EQ(chooser.Listed().size(), 2u);
        chooser.Choose(ctl::kGameList, chooser.RowOf("Klondike"));
        chooser.FocusControl(ctl::kFavouriteButton);
        chooser.Command(ctl::kFavouriteButton);
        EXPECT_EQ(chooser.RowOf("Klondike"), -1);
        EXPECT_EQ(chooser.Listed().size(), 1u);
        EXPECT_EQ(chooser.SelectedRow(), -1);
        EXPECT_FALSE(chooser.FavouriteShown());
        EXPECT_EQ(chooser.FocusedControl(), ctl::kFavouritesButton);  // not the hidden button
        return IDCANCEL;
    });
    EXPECT_EQ(preferences_.favourites.count(), 1u);
}

TEST_F(ChooserDialogTest, WithoutFavouritesFavouritesModeShowsTheMarkerAndNothingPlaysIt)
{
    int rounds = 0;
    const int result = RunChooser([&](ChooserUnderTest& chooser, int) {
        if (rounds++ > 0)
            return IDCANCEL;
        chooser.Command(ctl::kFavouritesButton);
        EXPECT_EQ(chooser.Listed(), std::vector<int>{kNoGameMarker});
        chooser.FocusControl(ctl::kGameList);
        EXPECT_EQ(chooser.SelectedRow(), 0);
        EXPECT_FALSE(chooser.FavouriteShown());
        chooser.PressKey(ctl::kGameList, VK_RETURN);
        EXPECT_FALSE(chooser.Frame()->HasEnded());
        keyPress(chooser, VK_TAB);  // past the hidden favourite button
        EXPECT_EQ(chooser.FocusedControl(), ctl::kFavouritesButton);
        return ids::kCmdPlay;
    });
    EXPECT_EQ(rounds, 2);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(preferences_.curSolId, kNoSolitaire);
}

TEST_F(ChooserDialogTest, FocusSelectsTheTopRowAndSkipsTheHiddenFavouriteButton)
{
    RunChooser([&](ChooserUnderTest& chooser, int) {
        chooser.Notify(ctl::kFavouriteButton, ControlEvent::focusGained);  // forwards from the list
        EXPECT_EQ(chooser.FocusedControl(), ctl::kFavouritesButton);
        chooser.SetTopIndex(ctl::kGameList, 10);
        chooser.Notify(ctl::kFavouriteButton, ControlEvent::focusGained);  // backwards
        EXPECT_EQ(chooser.FocusedControl(), ctl::kGameList);
        EXPECT_EQ(chooser.SelectedRow(), chooser.TopIndex(ctl::kGameList));
        EXPECT_GT(chooser.SelectedRow(), 0);
        EXPECT_TRUE(chooser.FavouriteShown());
        keyPress(chooser, VK_TAB);
        EXPECT_EQ(chooser.FocusedControl(), ctl::kFavouriteButton);
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, EnterInTheListPlaysTheGameATapOnlySelects)
{
    int chosen = -1;
    const int result = RunChooser([&](ChooserUnderTest& chooser, int) {
        chooser.Choose(ctl::kGameList, chooser.RowOf("Canfield"));
        chosen = chooser.Listed().at(static_cast<std::size_t>(chooser.SelectedRow()));
        chooser.Notify(ctl::kGameList, ControlEvent::activated);
        EXPECT_FALSE(chooser.Frame()->HasEnded());
        chooser.PressKey(ctl::kGameList, VK_RETURN);
        return 0;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(preferences_.curSolId, chosen);
}

TEST_F(ChooserDialogTest, TheScreenShowsTheIconsAndOnlyTheFocusedLetterColumnHighlights)
{
    preferences_.filterLetter = 19;  // "S", in the third column
    RunChooser([&](ChooserUnderTest& chooser, int) {
        const CatalogueEntry* first = chooser.Games().entry(chooser.Listed().front());
        const Colour time = plainIconColour(timeIconId(first ? first->timeClass : 0, BuildConfiguration::standard));
        EXPECT_GT(pixelsOf(grabClient(chooser), chooser.ControlRect(ctl::kGameList), time), 0);
        chooser.Command(ctl::kLetterButton);
        processEvents();
        const Surface opened = grabClient(chooser);
        EXPECT_GT(pixelsOf(opened, chooser.ControlRect(ctl::kLetterColumns[2]), kHighlightColour), 0);
        EXPECT_EQ(pixelsOf(opened, chooser.ControlRect(ctl::kLetterColumns[0]), kHighlightColour), 0);
        return IDCANCEL;
    });
}

TEST_F(ChooserDialogTest, PlaySetsTheCurrentSolitaireAndCancelLeavesIt)
{
    const auto run = [&](int row, int softkey) {
        ScopedModalAnswerer answerer([&](const ModalRequest& request) -> std::optional<int> {
            static_cast<DialogFrame*>(request.dialog)->Content().SetSelection(ctl::kGameList, row);
            return request.attempt == 0 ? softkey : IDCANCEL;
        });
        return RunSelectSolitaire(nullptr, preferences_, resources_);
    };
    preferences_.filterCat = 2;
    const std::vector<int> canfields = Catalogue(resources_).listedGames({.category = 2}, {});
    ASSERT_GE(canfields.size(), 2u);
    EXPECT_TRUE(run(1, ids::kCmdPlay));
    EXPECT_EQ(preferences_.curSolId, canfields[1]);
    EXPECT_FALSE(run(0, IDCANCEL));
    EXPECT_EQ(preferences_.curSolId, canfields[1]);
}

}  // namespace
}  // namespace velmora::testing
