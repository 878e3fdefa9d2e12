// Ids of the program's text resources: strings, commands, menus, menu bars,
// dialog templates and accelerator tables. Resource ids are fixed: code,
// dialogs and menus refer to them by number.
#pragma once

namespace velmora::ids {

// ---- Strings ---------------------------------------------------------------
inline constexpr int kStrAppTitle = 1;            // "Velmora"
inline constexpr int kStrOk = 103;                // "OK"
inline constexpr int kStrSorry = 110;             // "Sorry…" (loss dialog title)
inline constexpr int kStrYouLose = 111;
inline constexpr int kStrCancel = 112;            // "Cancel"
inline constexpr int kStrHelpGameOptions = 113;   // HTML help of the Game page
inline constexpr int kStrHelpInterface = 114;     // HTML help of the Interface page
inline constexpr int kStrGameRules = 115;         // "Game Rules"
inline constexpr int kStrAbout = 116;             // "About"
inline constexpr int kStrStatistics = 117;        // "Statistics"
inline constexpr int kStrNoUndo = 3000;           // "No Undo"
inline constexpr int kStrUndoNotAvailable = 3001; // "Undo not available."
inline constexpr int kStrTimeUpTitle = 3002;      // "Sorry…"
inline constexpr int kStrTimeUp = 3003;
inline constexpr int kStrConfirmation = 3004;     // "Confirmation"
inline constexpr int kStrClearBestTimes = 3005;
inline constexpr int kStrOptions = 3011;          // "Options"
inline constexpr int kStrGamePage = 3012;         // "Game"
inline constexpr int kStrInterfacePage = 3013;    // "Interface"
inline constexpr int kStrBestTimes = 3014;        // "Best Times"
inline constexpr int kStrCongratulations = 3015;  // "Congratulations!"
inline constexpr int kStrClearStatistics = 3018;
// Texts the program shows that have no number of their own elsewhere.
inline constexpr int kStrInvalidVersion = 3100;   // "Invalid application version for this device"
inline constexpr int kStrError = 3101;            // "Error"
inline constexpr int kStrNoSolitaires = 3102;     // "<no solitaires>"
inline constexpr int kStrStoreUnavailable = 3103; // the store file cannot be opened
inline constexpr int kStrCannotLoadGame = 3104;   // a game's record is damaged
inline constexpr int kStrSettingsNotSaved = 3105; // the stored settings cannot be read
inline constexpr int kStrPlayWithoutSaving = 3106; // the offer after kStrStoreUnavailable
inline constexpr int kStrNameColumn = 3110;       // "Name" (Best Times list)
inline constexpr int kStrTimeColumn = 3111;       // "Time" (Best Times list)
// Game names: 4000 + RecordIndex (registered with the rule database).
inline constexpr int kStrGameNameBase = 4000;
// The short texts of commands (softkey labels) use the command id as string id.

// ---- Commands --------------------------------------------------------------
inline constexpr int kCmdOk = 1;
inline constexpr int kCmdCancel = 2;
inline constexpr int kCmdDialogHelp = 9;
inline constexpr int kCmdHelp = 40001;
inline constexpr int kCmdUndo = 40002;
inline constexpr int kCmdShowNextMove = 40003;
inline constexpr int kCmdMenu = 40004;
inline constexpr int kCmdNewGame = 40005;
inline constexpr int kCmdRestart = 40006;
inline constexpr int kCmdOptions = 40007;
inline constexpr int kCmdClose = 40008;
inline constexpr int kCmdBestTimes = 40009;
inline constexpr int kCmdClear = 40010;
inline constexpr int kCmdAbout = 40011;
inline constexpr int kCmdPlay = 40013;
inline constexpr int kCmdSelectSolitaire = 40014;
inline constexpr int kCmdStatistics = 40018;

// ---- Popup menus -----------------------------------------------------------
inline constexpr int kMenuToolbar = 107;      // the icon toolbar's Menu button
inline constexpr int kMenuDialog = 108;       // a dialog's Menu softkey: Help, Cancel
inline constexpr int kMenuSoftkey = 129;      // the main window's right softkey
inline constexpr int kMenuLoss = 131;         // the loss dialog's Menu softkey

// ---- Menu bars -------------------------------------------------------------
inline constexpr int kBarMainIcons = 107;
inline constexpr int kBarOptions = 109;
inline constexpr int kBarSelectSolitaire = 123;
inline constexpr int kBarClose = 124;         // About box, rules and help views
inline constexpr int kBarWin = 125;
inline constexpr int kBarTimeUp = 126;
inline constexpr int kBarLoss = 127;
inline constexpr int kBarBestTimes = 128;     // also the Statistics dialog
inline constexpr int kBarMainSoftkeys = 130;

// ---- Toolbar strips and logos ------------------------------------------------
inline constexpr int kToolbarStandard = 500;
inline constexpr int kToolbarVga = 501;
inline constexpr int kToolbarImageCount = 4;
inline constexpr int kLogoStandard = 245;
inline constexpr int kLogoVga = 246;

// ---- Dialog templates --------------------------------------------------------
inline constexpr int kDlgGamePage = 600;
inline constexpr int kDlgInterfacePage = 601;
inline constexpr int kDlgFrame = 602;
inline constexpr int kDlgBestTimes = 603;
inline constexpr int kDlgPaged = 604;
inline constexpr int kDlgMessage = 605;
inline constexpr int kDlgWin = 606;
inline constexpr int kDlgHtmlView = 607;
inline constexpr int kDlgAbout = 608;
inline constexpr int kDlgSelectSolitaire = 609;
inline constexpr int kDlgStatistics = 610;

// ---- Controls the dialog descriptions name without a given number -----------
inline constexpr int kCtlFrameTitle = 6000;      // frame title line (602)
inline constexpr int kCtlTabs = 6005;            // tab control of the paged frame (604)
inline constexpr int kCtlMessageText = 1006;     // message dialog text (605)
inline constexpr int kCtlWinNameEdit = 1007;     // win dialog name entry (606)
inline constexpr int kCtlBestTimesList = 1040;   // Best Times list (603)

// ---- Accelerators ------------------------------------------------------------
inline constexpr int kAccelMain = 2;  // Ctrl+A: About

}  // namespace velmora::ids
