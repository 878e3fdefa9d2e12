// Dialogs: windows built from dialog templates, and modal runs.
//
//   CeBaseDialog  a window whose controls come from a dialog template
//                 (resource_formats.h), addressed by control id. Used alone
//                 as the content or a page inside another dialog.
//   CeDialog      a dialog run modally: a page covering the owner's whole
//                 top-level window, with its own softkey bar, run with a nested
//                 message loop until EndDialog.
//
// How a dialog is run:
//
//     class AboutContent : public CeBaseDialog { ... };      // template 608
//     class Frame : public CeDialog {
//         bool OnInitDialog() override {
//             bar_.Create(*this, {.iconBarId = 124, .softkeyBarId = 124});
//             content_.CreateChild(*this, contentRect);
//             return true;
//         }
//     };
//     Frame frame(602);
//     int result = frame.DoModal(&mainWindow);   // IDOK, IDCANCEL, ...
//
// Control events: a click on a push button, owner-drawn button or check box
// arrives as OnCommand(control id); everything else (selection changes, focus,
// keys in lists, tab changes) as OnNotify. Owner-drawn controls are drawn by
// OnDrawItem into a surface the size of the item.
//
// Sizes given to and returned by the control calls are device pixels in the
// dialog's client area.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "geometry.h"
#include "resource_formats.h"
#include "surface.h"
#include "window.h"

class QEventLoop;

namespace velmora {

// One owner-drawn item to draw: a button face (item -1) or a row of a list.
struct DrawItem {
    int controlId = 0;
    int item = -1;
    std::intptr_t value = 0;  // the row's value (AddItem)
    Surface* surface = nullptr;  // exactly the item's size
    Rect rect;                   // the item in surface coordinates: (0, 0, width, height)
    bool selected = false;
    bool focused = false;        // the control has the keyboard focus
    bool pressed = false;        // a button held down
};

// Notifications report what the player did, never what the program set
// (SetSelection and SetTabSelection stay silent).
enum class ControlEvent {
    selectionChanged,  // the player changed a list's selection; item = new selection (-1 none)
    activated,         // a tap on a list row (after any selection change), or a tab chosen; item = row or tab
    focusGained,
    focusLost,
    key,               // a key pressed in the control (before the control acts on it); key = virtual key
};

struct ControlNotification {
    int controlId = 0;
    ControlEvent event = ControlEvent::selectionChanged;
    int item = -1;
    int key = 0;
};

class CeBaseDialog : public CeMsgWnd {
public:
    // templateId 0: an empty dialog without controls.
    explicit CeBaseDialog(int templateId);
    ~CeBaseDialog() override;

    // Keeps the scroll bar at the right edge when the dialog changes size.
    bool WindowProc(const Message& message, LResult& result) override;

    int TemplateId() const { return templateId_; }

    // Creates the dialog as a child window of parent at rect (content pages).
    // False when the template is missing or damaged, or OnInitDialog refused.
    bool CreateChild(CeBaseWnd& parent, const Rect& rect);

    // Converts template dialog units of this dialog's font to pixels.
    Rect DialogUnitsToPixels(const Rect& dialogUnits) const;

    // ---- Any control. Calls with an unknown id do nothing (getters answer
    // empty values). ----
    bool HasControl(int id) const;
    void SetControlText(int id, std::string_view utf8);
    std::string ControlText(int id) const;
    void ShowControl(int id, bool visible);
    bool IsControlVisible(int id) const;
    void EnableControl(int id, bool enabled);
    void MoveControl(int id, const Rect& rect);
    Rect ControlRect(int id) const;
    void SetControlFont(int id, const FontRequest& font);
    void SetControlTextColour(int id, Colour colour);
    void RaiseControl(int id);
    void FocusControl(int id);  // an edit box's text is selected
    int FocusedControl() const;  // 0 when no control of this dialog has the focus
    void RedrawControl(int id);

    // Check box.
    void SetCheck(int id, bool checked);
    bool IsChecked(int id) const;

    // Drop-down list, list box and list view rows. Each row has a text and a
    // value; owner-drawn lists draw the rows themselves (OnDrawItem).
    void ClearItems(int id);
    int AddItem(int id, std::string_view utf8, std::intptr_t value = 0);  // its index, -1 on failure
    int ItemCount(int id) const;
    std::intptr_t ItemValue(int id, int index) const;  // 0 for a row that does not exist
    int Selection(int id) const;                       // -1 when none
    void SetSelection(int id, int index);              // -1 clears
    void SetRowHeight(int id, int pixels);
    int TopIndex(int id) const;
    void SetTopIndex(int id, int index);
    void RedrawItem(int id, int index);

    // Report view: text rows under a header of columns. AddItem and
    // ClearItems add and remove rows (AddItem's text goes into the first
    // column); ItemCount counts them.
    int AddColumn(int id, std::string_view title, int width, TextAlign align);  // its index, -1 on failure
    void SetColumnWidth(int id, int column, int pixels);
    int ColumnWidth(int id, int column) const;                  // 0 for a column that does not exist
    std::string ColumnTitle(int id, int column) const;
    void SetItemText(int id, int row, int column, std::string_view utf8);
    std::string ItemText(int id, int row, int column) const;   // empty for a cell that does not exist

    // Tab control.
    int AddTab(int id, std::string_view utf8);  // its index, -1 on failure
    int TabSelection(int id) const;
    void SetTabSelection(int id, int index);

    // Edit box: at most maxChars characters can be typed.
    void SetTextLimit(int id, int maxChars);

    // Picture: shows a copy of the surface and takes its size, as a bitmap
    // static does, so the whole picture shows; null or an empty surface
    // clears it and leaves the size.
    void SetPicture(int id, const Surface* picture);

    // Vertical scrolling of the whole dialog: a scroll bar appears when
    // contentHeight > 0, scrolling the controls over a range reaching
    // contentHeight; pageHeight is the scroll bar's page, lineStep a line.
    // contentHeight 0 removes the scroll bar and scrolls back to the top.
    void SetScrollRange(int contentHeight, int pageHeight, int lineStep);
    void ScrollTo(int y);
    int ScrollPosition() const;
    bool HasScrollBar() const;

protected:
    // The controls exist; false fails the dialog's creation.
    virtual bool OnInitDialog() { return true; }
    virtual void OnDrawItem(DrawItem& item) { (void)item; }
    // True when the notification was handled (a handled key is consumed).
    virtual bool OnNotify(const ControlNotification& notification) { (void)notification; return false; }

    bool HandleCreate() override;
    // Builds the controls of the template in the dialog's window.
    bool BuildFromTemplate();

private:
    friend bool notifyDialog(CeBaseDialog& dialog, const ControlNotification& notification);
    friend void drawDialogItem(CeBaseDialog& dialog, DrawItem& item);
    struct Controls;
    int templateId_;
    std::unique_ptr<Controls> controls_;
};

class CeDialog : public CeBaseDialog {
public:
    explicit CeDialog(int templateId);
    ~CeDialog() override;

    // Runs the dialog modally over owner's top-level window (owner null: as a
    // window of its own) and returns the result given to EndDialog, or -1
    // when the dialog could not be created (0 when the program quit while it
    // ran). The modal answerer, when one is installed, answers instead of the
    // player. DoModal itself posts nothing to the owner afterwards; it gives
    // the keyboard focus back to it.
    int DoModal(CeBaseWnd* owner);
    // Ends the modal run with result; the dialog's window is destroyed when
    // DoModal returns.
    void EndDialog(int result);
    bool IsRunning() const { return running_; }
    bool HasEnded() const { return ended_; }
    int Result() const { return result_; }
    CeBaseWnd* Owner() const { return owner_; }

    // Delivers a command as a softkey or button would.
    void Command(int id) { SendMessage(WM_COMMAND, static_cast<WParam>(id)); }

protected:
    // True lets the dialog end with IDOK / IDCANCEL.
    virtual bool OnOK() { return true; }
    virtual bool OnCancel() { return true; }
    // IDOK and IDCANCEL end the dialog through OnOK and OnCancel; other
    // commands are not handled.
    bool OnCommand(int id) override;
    // A close request acts as IDCANCEL.
    void OnClose() override;
    // Escape, when nothing in the dialog took it, is a close request.
    bool OnKeyDown(int virtualKey) override;
    // WM_SOL_MENUBAR shows the dialog's menu bar again (after a nested dialog).
    std::optional<LResult> OnMessage(const Message& message) override;

private:
    // Asks the modal answerer until it passes or the dialog ended.
    bool AnswerFromTest();

    CeBaseWnd* owner_ = nullptr;
    QEventLoop* loop_ = nullptr;
    bool running_ = false;
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace velmora
