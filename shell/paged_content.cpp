#include "paged_content.h"

#include "platform_shell.h"
#include "resource_ids.h"
#include "resources.h"
#include "screen.h"

namespace velmora {

namespace {

// The tabs reach a little past both side edges, so their frame does not show.
constexpr int kTabOverhang = 2;

int tabHeight()
{
    return ScaleY(20);
}

}  // namespace

PagedContent::PagedContent(std::vector<DialogPage*> pages) : DialogContent(ids::kDlgPaged), pages_(std::move(pages)) {}

bool PagedContent::OnInitDialog()
{
    for (DialogPage* page : pages_) {
        if (!page->CreateChild(*this, PageArea()))
            return false;
        page->Hide();
        AddTab(ids::kCtlTabs, LoadString(page->TabStringId()));
    }
    SelectPage(0);
    return true;
}

Rect PagedContent::PageArea() const
{
    const Rect client = ClientRect();
    return Rect{0, 0, client.right, std::max(0, client.bottom - tabHeight())};
}

void PagedContent::ContentSized(int width, int height)
{
    const int overhang = ScaleX(kTabOverhang);
    MoveControl(ids::kCtlTabs, Rect{-overhang, height - tabHeight(), width + overhang, height});
    for (DialogPage* page : pages_)
        page->SetWindowRect(PageArea());
}

void PagedContent::SelectPage(int index)
{
    if (index < 0 || index >= PageCount() || index == current_)
        return;
    DialogPage* previous = current_ >= 0 ? pages_[static_cast<std::size_t>(current_)] : nullptr;
    DialogPage& next = Page(index);
    if (previous != nullptr)
        previous->PageLeft();
    next.PageEntered();
    current_ = index;
    next.Show();
    next.BringToTop();
    if (previous != nullptr)
        previous->Hide();
    SetTabSelection(ids::kCtlTabs, index);
}

bool PagedContent::OnContentNotify(const ControlNotification& notification)
{
    if (notification.controlId != ids::kCtlTabs || notification.event != ControlEvent::activated)
        return false;
    SelectPage(notification.item);
    return true;
}

bool PagedContent::ContentOK()
{
    for (DialogPage* page : pages_) {
        if (!page->PageOK())
            return false;
    }
    ApplyPages();
    return true;
}

void PagedContent::ContentHelp()
{
    if (current_ < 0)
        return;
    DialogPage& page = Page(current_);
    const int focusedOnPage = page.FocusedControl();
    const int focusedHere = FocusedControl();
    CloseInputPanel();
    page.PageHelp(Frame());
    CloseInputPanel();
    if (focusedOnPage != 0)
        page.FocusControl(focusedOnPage);
    else if (focusedHere != 0)
        FocusControl(focusedHere);
}

}  // namespace velmora
