// The frame every program dialog shares: a full-screen page with an optional
// bold title line and a rule under it, the content dialog below, scrolling
// when the content is taller than the page, and a softkey bar.
//
//     class StatisticsContent : public DialogContent { ... };  // template 610
//     StatisticsContent content(record);
//     DialogFrame frame(content, ids::kStrStatistics, ids::kBarBestTimes);
//     int result = frame.Run(&mainWindow);
//
// Commands: OK (1) and Cancel (2) ask the content's hook first and end the
// dialog only when it agrees; Help (9) goes to the content's Help hook; every
// other command goes to the content (OnCommand), which may end the dialog
// through Frame().End(). After the modal run the owner gets the keyboard
// focus back, comes to the front and receives WM_SOL_MENUBAR (posted).
#pragma once

#include "dialog.h"

namespace velmora {

class DialogFrame;

// A dialog's content: a child dialog built from its own template.
class DialogContent : public CeBaseDialog {
public:
    explicit DialogContent(int templateId) : CeBaseDialog(templateId) {}

    DialogFrame* Frame() const { return frame_; }

    // True lets the frame end with OK / Cancel.
    virtual bool ContentOK() { return true; }
    virtual bool ContentCancel() { return true; }
    virtual void ContentHelp() {}
    // The content was given a new size: place the controls again. The frame
    // then works out the scrolling from the controls' new places.
    virtual void ContentSized(int width, int height) { (void)width; (void)height; }
    // The content's own notifications; a control that gains the focus has
    // first been scrolled into view.
    virtual bool OnContentNotify(const ControlNotification& notification)
    {
        (void)notification;
        return false;
    }

protected:
    bool OnNotify(const ControlNotification& notification) final;

private:
    // Scrolls a control that lies partly outside the visible part into view.
    void ScrollIntoView(int controlId);

    friend class DialogFrame;
    DialogFrame* frame_ = nullptr;
};

class DialogFrame : public CeDialog {
public:
    // titleStringId 0: no title line. barId: the softkey bar's menu-bar
    // resource (the same id serves both modes, so it is always softkeys).
    DialogFrame(DialogContent& content, int titleStringId, int barId);
    ~DialogFrame() override;

    // Runs modally over owner; the result given to End (IDOK, IDCANCEL, a
    // command id), or -1 when the dialog could not be built.
    int Run(CeBaseWnd* owner);
    void End(int result) { EndDialog(result); }

    DialogContent& Content() const { return content_; }
    // The picture strip of the softkey bar: 500, or 501 in VGA.
    static int PictureId();

protected:
    bool OnInitDialog() override;
    void OnPaint(PaintContext& paint) override;
    void OnSize(int width, int height) override;
    bool OnCommand(int id) override;
    bool OnOK() override { return content_.ContentOK(); }
    bool OnCancel() override { return content_.ContentCancel(); }

private:
    void PlaceContent();
    void UpdateScrolling();
    int ContentTop() const;

    DialogContent& content_;
    int titleStringId_;
    int barId_;
    std::unique_ptr<class CMenuBar> bar_;
};

}  // namespace velmora
