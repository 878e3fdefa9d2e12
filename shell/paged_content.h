// A dialog content made of pages under a row of tabs along the bottom edge
// (template 604 with its tab control), as the Options dialog has.
//
//     class GamePage : public DialogPage { ... };        // template 600
//     GamePage game(...);  InterfacePage face(...);
//     class OptionsContent : public PagedContent { void ApplyPages() override; };
//     OptionsContent content({&game, &face});
//     DialogFrame frame(content, ids::kStrOptions, ids::kBarOptions);
//
// Each page is a child dialog made from its own template; its tab shows the
// page's string. All pages share the area above the tabs; the first page is
// on display when the dialog opens. Choosing a tab tells the page on display
// that it is left and the chosen page that it is entered, shows and raises
// the chosen page and only then hides the other, so nothing flickers through.
// OK asks every page in order; only when all agree does ApplyPages take over
// their values and the dialog close. Help goes to the page on display, and
// the keyboard focus comes back to where it was afterwards.
#pragma once

#include <vector>

#include "dialog_frame.h"

namespace velmora {

class DialogPage : public CeBaseDialog {
public:
    DialogPage(int templateId, int tabStringId) : CeBaseDialog(templateId), tabStringId_(tabStringId) {}

    int TabStringId() const { return tabStringId_; }

    virtual void PageEntered() {}
    virtual void PageLeft() {}
    // True when the page's values may be taken over.
    virtual bool PageOK() { return true; }
    // Help about the page, shown over owner (the dialog's frame).
    virtual void PageHelp(CeBaseWnd* owner) { (void)owner; }

private:
    int tabStringId_;
};

class PagedContent : public DialogContent {
public:
    // The pages stay owned by the caller and must outlive the dialog run.
    explicit PagedContent(std::vector<DialogPage*> pages);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    DialogPage& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }
    // The page on display, -1 before the dialog opened.
    int CurrentPage() const { return current_; }
    // As a tap on the page's tab; an index without a page is ignored.
    void SelectPage(int index);

    bool ContentOK() override;
    void ContentHelp() override;
    void ContentSized(int width, int height) override;

protected:
    bool OnInitDialog() override;
    bool OnContentNotify(const ControlNotification& notification) override;
    // Takes over the values of all pages after every page agreed to OK.
    virtual void ApplyPages() {}

private:
    Rect PageArea() const;

    std::vector<DialogPage*> pages_;
    int current_ = -1;
};

}  // namespace velmora
