// Popup menus, menu bars and the accelerator table.
#include "messages.h"
#include "resource_formats.h"
#include "resource_ids.h"
#include "text_parts.h"

namespace velmora::text_resources {

namespace {

MenuItem item(int command, const char* text) { return MenuItem{command, text, false}; }
MenuItem separator() { return MenuItem{0, "", true}; }

// A text or image button whose label and tooltip are its command's short text.
MenuBarButton button(int command, int labelId, int image = -1)
{
    MenuBarButton result;
    result.image = image;
    result.command = command;
    result.labelStringId = labelId;
    result.tooltipStringId = labelId;
    return result;
}

MenuBarButton menuButton(int image = -1)
{
    MenuBarButton result = button(ids::kCmdMenu, ids::kCmdMenu, image);
    result.dropdown = true;
    return result;
}

MenuBarButton gap()
{
    MenuBarButton result;
    result.separator = true;
    return result;
}

void addPopupMenus(ResourceTable& table)
{
    addMenu(table, ids::kMenuToolbar,
            {{item(ids::kCmdNewGame, "New Game"), item(ids::kCmdRestart, "Restart Game"),
              item(ids::kCmdSelectSolitaire, "Select Solitaire\u2026"), separator(),
              item(ids::kCmdOptions, "Options\u2026"), item(ids::kCmdBestTimes, "Show Best Times\u2026"),
              item(ids::kCmdStatistics, "Show Statistics\u2026"), separator(),
              item(ids::kCmdAbout, "About\u2026")}});
    addMenu(table, ids::kMenuSoftkey,
            {{item(ids::kCmdNewGame, "New Game"), item(ids::kCmdRestart, "Restart Game"),
              item(ids::kCmdSelectSolitaire, "Select Solitaire\u2026"),
              item(ids::kCmdShowNextMove, "Show Next Move"), item(ids::kCmdHelp, "Help"), separator(),
              item(ids::kCmdOptions, "Options\u2026"), item(ids::kCmdBestTimes, "Show Best Times\u2026"),
              item(ids::kCmdStatistics, "Show Statistics\u2026"), item(ids::kCmdAbout, "About\u2026")}});
    addMenu(table, ids::kMenuDialog, {{item(ids::kCmdDialogHelp, "Help"), item(ids::kCmdCancel, "Cancel")}});
    addMenu(table, ids::kMenuLoss, {{item(ids::kCmdRestart, "Restart"), item(ids::kCmdUndo, "Undo")}});
}

void addMenuBars(ResourceTable& table)
{
    addMenuBar(table, ids::kBarMainIcons,
               {ids::kMenuToolbar,
                {button(ids::kCmdUndo, ids::kCmdUndo, 0), button(ids::kCmdShowNextMove, ids::kCmdShowNextMove, 1),
                 gap(), button(ids::kCmdHelp, ids::kCmdHelp, 2), gap(), menuButton(3)}});
    addMenuBar(table, ids::kBarMainSoftkeys,
               {ids::kMenuSoftkey, {button(ids::kCmdUndo, ids::kCmdUndo), menuButton()}});
    addMenuBar(table, ids::kBarOptions, {ids::kMenuDialog, {button(ids::kCmdOk, ids::kStrOk), menuButton()}});
    addMenuBar(table, ids::kBarSelectSolitaire,
               {0, {button(ids::kCmdPlay, ids::kCmdPlay), button(ids::kCmdCancel, ids::kStrCancel)}});
    addMenuBar(table, ids::kBarClose, {0, {button(ids::kCmdOk, ids::kCmdClose)}});
    addMenuBar(table, ids::kBarWin, {0, {button(ids::kCmdOk, ids::kStrOk), button(ids::kCmdCancel, ids::kStrCancel)}});
    addMenuBar(table, ids::kBarTimeUp,
               {0, {button(ids::kCmdNewGame, ids::kCmdNewGame), button(ids::kCmdRestart, ids::kCmdRestart)}});
    addMenuBar(table, ids::kBarLoss, {ids::kMenuLoss, {button(ids::kCmdNewGame, ids::kCmdNewGame), menuButton()}});
    addMenuBar(table, ids::kBarBestTimes,
               {0, {button(ids::kCmdCancel, ids::kCmdClose), button(ids::kCmdClear, ids::kCmdClear)}});
}

}  // namespace

void addMenusAndBars(ResourceTable& table)
{
    addPopupMenus(table);
    addMenuBars(table);
    addAccelerators(table, ids::kAccelMain, {{{kAccelControl, 'A', ids::kCmdAbout}}});
}

}  // namespace velmora::text_resources
