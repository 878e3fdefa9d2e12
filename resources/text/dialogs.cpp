// Dialog templates: the frame every program dialog shares, its contents and
// the option pages. Positions are dialog units of Tahoma 8.
#include "messages.h"
#include "resource_formats.h"
#include "resource_ids.h"
#include "text_parts.h"

namespace velmora::text_resources {

namespace {

ControlTemplate control(ControlKind kind, int id, const char* text, int x, int y, int width, int height,
                        std::uint32_t style = 0, TextAlign align = TextAlign::left)
{
    return ControlTemplate{kind, id, text, x, y, width, height, align, style};
}

ControlTemplate label(const char* text, int x, int y, int width, int height, TextAlign align = TextAlign::left)
{
    return control(ControlKind::label, IDC_STATIC, text, x, y, width, height, 0, align);
}

DialogTemplate dialog(int width, int height, std::vector<ControlTemplate> controls)
{
    DialogTemplate result;
    result.width = width;
    result.height = height;
    result.controls = std::move(controls);
    return result;
}

void addOptionPages(ResourceTable& table)
{
    addDialog(table, ids::kDlgGamePage,
              dialog(160, 150,
                     {control(ControlKind::checkBox, 5000, "Timed Game", 5, 5, 140, 10),
                      label("Time Limit:", 5, 22, 50, 8),
                      control(ControlKind::dropDownList, 5001, "", 60, 20, 45, 100)}));
    addDialog(table, ids::kDlgInterfacePage,
              dialog(160, 150,
                     {label("Play Cards:", 5, 5, 50, 8),
                      control(ControlKind::dropDownList, 5010, "", 60, 3, 75, 100),
                      label("Card Back:", 5, 19, 50, 8),
                      control(ControlKind::ownerDrawButton, 1003, "", 60, 17, 16, 19, kControlNotify),
                      label("Background:", 5, 39, 50, 8),
                      control(ControlKind::ownerDrawButton, 5012, "", 60, 37, 40, 12),
                      control(ControlKind::checkBox, 5009, "Animation", 5, 52, 140, 10),
                      control(ControlKind::checkBox, 5015, "Show Timer", 5, 64, 140, 10),
                      control(ControlKind::checkBox, 5013, "Softkey Menu", 5, 76, 140, 10)}));
    // The tab control is placed along the bottom edge at run time.
    addDialog(table, ids::kDlgPaged,
              dialog(161, 166, {control(ControlKind::tabControl, ids::kCtlTabs, "", 0, 154, 161, 12)}));
}

void addFrameAndContents(ResourceTable& table)
{
    addDialog(table, ids::kDlgFrame,
              dialog(161, 166,
                     {control(ControlKind::label, ids::kCtlFrameTitle, "Dialog Title", 5, 3, 135, 8, kControlBold)}));
    addDialog(table, ids::kDlgMessage,
              dialog(161, 142,
                     {control(ControlKind::label, ids::kCtlMessageText, "", 5, 5, 150, 69, kControlMultiLine)}));
    addDialog(table, ids::kDlgWin,
              dialog(161, 142,
                     {control(ControlKind::label, IDC_STATIC,
                              "You win!\nYour time is qualified for the Best Times list.\n\nPlease enter your name:",
                              5, 5, 150, 40, kControlMultiLine),
                      control(ControlKind::editBox, ids::kCtlWinNameEdit, "", 5, 48, 150, 12)}));
    addDialog(table, ids::kDlgBestTimes,
              dialog(161, 142, {control(ControlKind::listView, ids::kCtlBestTimesList, "", 5, 5, 150, 130)}));
    addDialog(table, ids::kDlgHtmlView, dialog(161, 142, {}));
    addDialog(table, ids::kDlgAbout,
              dialog(161, 142,
                     {control(ControlKind::picture, 1016, "", 10, 10, 15, 13),
                      control(ControlKind::label, 1017, "Velmora", 80, 10, 92, 8, kControlBold),
                      control(ControlKind::label, 1018, "v.1.19", 80, 20, 92, 8),
                      control(ControlKind::label, 1019, "800 patience games", 80, 30, 92, 8),
                      control(ControlKind::label, 1020, "Trelk Software", 80, 40, 92, 8)}));
}

void addChooserAndStatistics(ResourceTable& table)
{
    // Every control of the chooser is placed at run time. The list and the
    // two favourites buttons come first, so that the keyboard moves from the
    // list to the favourite button (skipped while hidden) and on to the
    // favourites button, and back the same way.
    const auto at0 = [](ControlKind kind, int id, std::uint32_t style = 0) {
        return control(kind, id, "", 0, 0, 10, 10, style);
    };
    const std::uint32_t popup = kControlHidden | kControlNotify;
    addDialog(table, ids::kDlgSelectSolitaire,
              dialog(160, 150,
                     {at0(ControlKind::listBox, 5020, kControlNotify | kControlVerticalScroll),
                      at0(ControlKind::ownerDrawButton, 5032), at0(ControlKind::ownerDrawButton, 5033),
                      at0(ControlKind::ownerDrawButton, 5021), at0(ControlKind::listView, 5022, popup),
                      at0(ControlKind::ownerDrawButton, 5023), at0(ControlKind::listView, 5024, popup),
                      at0(ControlKind::ownerDrawButton, 5025), at0(ControlKind::listView, 5026, popup),
                      at0(ControlKind::ownerDrawButton, 5027), at0(ControlKind::listView, 5028, popup),
                      at0(ControlKind::listView, 5029, popup), at0(ControlKind::listView, 5030, popup),
                      at0(ControlKind::ownerDrawButton, 5031)}));

    const char* const labels[] = {"Games Played:", "Games Won:", "Win Rate:", "Total Time:",
                                  "Average Game Time:"};
    std::vector<ControlTemplate> statistics;
    for (int row = 0; row < 5; ++row) {
        const int y = 5 + row * 12;
        statistics.push_back(label(labels[row], 5, y, 90, 8, TextAlign::right));
        statistics.push_back(control(ControlKind::label, 1031 + row, "", 100, y, 55, 8));
    }
    addDialog(table, ids::kDlgStatistics, dialog(161, 135, std::move(statistics)));
}

}  // namespace

void addDialogs(ResourceTable& table)
{
    addOptionPages(table);
    addFrameAndContents(table);
    addChooserAndStatistics(table);
}

}  // namespace velmora::text_resources
