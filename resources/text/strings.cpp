// The string table (UTF-8). "…" is the single character U+2026.
#include "resource_formats.h"
#include "resource_ids.h"
#include "text_parts.h"

namespace velmora::text_resources {

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
    {ids::kStrAppTitle, "Velmora"},
    {ids::kStrOk, "OK"},
    {ids::kStrSorry, "Sorry\u2026"},
    {ids::kStrYouLose,
     "You lose.\nPlease tap \"New Game\" to start a new deal, \"Restart\" to try again with the same "
     "deal or \"Undo\" to cancel the previous move."},
    {ids::kStrCancel, "Cancel"},
    {ids::kStrHelpGameOptions,
     "<b>Timed Game</b><br>Check this option to limit your game time.<br><br><b>Time Limit</b><br>If "
     "<b>Timed Game</b> option is checked this is the maximum time you can play the solitaire."},
    {ids::kStrHelpInterface,
     "<b>Play Cards</b><br>Selects cards playing method: by dragging the card; by sequentally "
     "selecting the card move source and destination; by keyboard card-wise type (CW) or pile-wise "
     "type (PW).<br><br><b>Card Back</b><br>Defines active card design.<br><br><b>Background</b><br>Tap "
     "this control to change game field color.<br><br><b>Animation</b><br>If checked all card "
     "movements will be animated.<br><br><b>Show Timer</b><br>Check this option to view timer on the "
     "game field bottom right corner.<br><br><b>Softkey Menu</b><br>Check this option to switch main "
     "menu to softkey mode. Otherwise main menu will be an icon based."},
    {ids::kStrGameRules, "Game Rules"},
    {ids::kStrAbout, "About"},
    {ids::kStrStatistics, "Statistics"},
    {ids::kStrNoUndo, "No Undo"},
    {ids::kStrUndoNotAvailable, "Undo not available."},
    {ids::kStrTimeUpTitle, "Sorry\u2026"},
    {ids::kStrTimeUp,
     "Your time is up.\nPlease tap \"New Game\" to start a new deal or \"Restart\" to try again with "
     "the same deal."},
    {ids::kStrConfirmation, "Confirmation"},
    {ids::kStrClearBestTimes, "Are you sure you want to clear best times for the current solitaire?"},
    {ids::kStrOptions, "Options"},
    {ids::kStrGamePage, "Game"},
    {ids::kStrInterfacePage, "Interface"},
    {ids::kStrBestTimes, "Best Times"},
    {ids::kStrCongratulations, "Congratulations!"},
    {ids::kStrClearStatistics, "Are you sure you want to clear statistics for the current solitaire?"},
    {ids::kStrInvalidVersion, "Invalid application version for this device"},
    {ids::kStrError, "Error"},
    {ids::kStrNoSolitaires, "<no solitaires>"},
    {ids::kStrStoreUnavailable,
     "Velmora cannot open the file that keeps its settings, statistics and saved games. "
     "The file has been left as it is."},
    {ids::kStrCannotLoadGame, "This solitaire cannot be loaded. Please choose another one."},
    {ids::kStrSettingsNotSaved,
     "Velmora cannot read its settings: the file that keeps them is in use or cannot be read. "
     "Velmora plays on with the default settings, and settings cannot be saved this time."},
    {ids::kStrPlayWithoutSaving,
     "Play without saving? Velmora then starts with its default settings and keeps nothing "
     "when it closes. Choose No to quit."},
    {ids::kStrNameColumn, "Name"},
    {ids::kStrTimeColumn, "Time"},
    // Short texts of the commands, under the command ids.
    {ids::kCmdHelp, "Help"},
    {ids::kCmdUndo, "Undo"},
    {ids::kCmdShowNextMove, "Show Next Move"},
    {ids::kCmdMenu, "Menu"},
    {ids::kCmdNewGame, "New Game"},
    {ids::kCmdRestart, "Restart"},
    {ids::kCmdClose, "Close"},
    {ids::kCmdClear, "Clear"},
    {ids::kCmdPlay, "Play"},
    {ids::kCmdSelectSolitaire, "Select Solitaire"},
};

}  // namespace

void addStrings(ResourceTable& table)
{
    for (const StringEntry& entry : kStrings)
        addString(table, entry.id, entry.text);
}

}  // namespace velmora::text_resources
