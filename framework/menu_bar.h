// The menu bar at the bottom of a window, and popup menus.
//
// A CMenuBar is a strip ScaleY(26) pixels high along the bottom of its owner
// window (which it takes out of the owner's client area). It is built from
// two menu-bar resources (resource_formats.h):
//   softkey mode  two text buttons, the first left and the last right, each
//                 labelled with its label string;
//   icon mode     the toolbar: each button shows its image from the toolbar
//                 bitmap strip (imageCount images side by side), separators
//                 leave a gap; a dropdown button shows a drop arrow.
// A button with a command sends it to the owner's OnCommand; a dropdown
// button opens the popup menu of the resource's menu. Around every popup the
// owner receives WM_ENTERMENULOOP before it opens and WM_EXITMENULOOP after it
// closed, then the chosen command, if any.
//
//     CMenuBar bar;
//     bar.Create(window, {.iconBarId = 107, .softkeyBarId = 130,
//                         .bitmapId = 500, .imageCount = 4, .softkeyMode = false});
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "geometry.h"
#include "resource_formats.h"

namespace velmora {

class CeBaseWnd;

struct MenuBarConfig {
    int iconBarId = 0;      // menu-bar resource of icon mode
    int softkeyBarId = 0;   // menu-bar resource of softkey mode (the same id twice: always softkeys)
    int bitmapId = 0;       // toolbar image strip
    int imageCount = 0;     // images in the strip
    bool softkeyMode = true;
};

class CMenuBar {
public:
    CMenuBar();
    ~CMenuBar();  // removes the bar from its owner; must not outlive the owner object
    CMenuBar(const CMenuBar&) = delete;
    CMenuBar& operator=(const CMenuBar&) = delete;

    // Builds the bar in the owner window. False (and no bar) when the owner
    // has no window or the menu-bar resource of the initial mode is missing
    // or damaged. A missing toolbar bitmap leaves the icon buttons blank.
    bool Create(CeBaseWnd& owner, const MenuBarConfig& config);
    void DestroyBar();

    // Switches between softkey and icon mode. The bar is built again from the
    // other resource only when the mode really changes. False when the other
    // resource is missing (the bar then stays as it was).
    bool SetSoftkeyMode(bool softkeyMode);
    bool IsSoftkeyMode() const { return softkeyMode_; }

    // Shows the bar and raises it above its owner's other children.
    void Show();
    // The bar's window, or null when there is none.
    CeBaseWnd* GetWindow() const;
    CeBaseWnd* Owner() const { return owner_; }
    int Height() const;  // ScaleY(26) while the bar exists, else 0

    // What the bar shows, left to right (tests and accessibility): the labels
    // in softkey mode; in icon mode "" for image buttons and "|" for gaps.
    std::vector<std::string> ButtonTexts() const;
    // Acts as if the player pressed button index (separators count); false
    // for an index without a button.
    bool PressButton(int index);
    // How many times the bar has been built (tests of mode switching).
    int BuildCount() const { return buildCount_; }

private:
    friend void placeMenuBar(CMenuBar& bar);
    bool Build(bool softkeyMode);
    void Place();

    CeBaseWnd* owner_ = nullptr;
    MenuBarConfig config_;
    MenuBarResource resource_;
    bool softkeyMode_ = true;
    int buildCount_ = 0;
    std::unique_ptr<CeBaseWnd> window_;
};

// Opens popup menu menuId of the program's resources with its bottom-left
// corner at point (client coordinates of owner), so that it rises above the
// point, with the menu loop messages around it; a chosen
// command is sent to owner's OnCommand. Returns the command, or 0 when the
// menu was dismissed or is missing.
int TrackPopupMenu(CeBaseWnd& owner, int menuId, Point point);

}  // namespace velmora
