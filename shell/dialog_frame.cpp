#include "dialog_frame.h"

#include <algorithm>
#include <cmath>

#include "menu_bar.h"
#include "resource_ids.h"
#include "resources.h"
#include "screen.h"

namespace velmora {

namespace {

// The title line's colour: the highlight colour of the program's dialogs.
constexpr Colour kTitleColour = 0x0A50A0;

FontRequest titleFont()
{
    return FontRequest{"Tahoma", static_cast<int>(std::lround(11 * dpiScale())), 700, false};
}

int scrollMargin()
{
    return (screenMetrics().dpiY + 6) * 8 / 96;
}

}  // namespace

bool DialogContent::OnNotify(const ControlNotification& notification)
{
    if (notification.event == ControlEvent::focusGained)
        ScrollIntoView(notification.controlId);
    return OnContentNotify(notification);
}

// Control rectangles are where the controls lie now, scrolled with the
// content; the visible part is the content's client area.
void DialogContent::ScrollIntoView(int controlId)
{
    if (!HasScrollBar() || !IsControlVisible(controlId))
        return;
    const Rect control = ControlRect(controlId);
    const int page = ClientRect().bottom;
    const int margin = scrollMargin();
    if (control.top < 0)
        ScrollTo(std::max(0, ScrollPosition() + control.top - margin));
    else if (control.bottom > page)
        ScrollTo(ScrollPosition() + control.bottom - page + margin);
}

DialogFrame::DialogFrame(DialogContent& content, int titleStringId, int barId)
    : CeDialog(ids::kDlgFrame), content_(content), titleStringId_(titleStringId), barId_(barId)
{
}

DialogFrame::~DialogFrame() = default;

int DialogFrame::PictureId()
{
    return isVga() ? ids::kToolbarVga : ids::kToolbarStandard;
}

int DialogFrame::Run(CeBaseWnd* owner)
{
    const int result = DoModal(owner);
    if (owner != nullptr) {
        owner->SetFocus();
        owner->TopLevel()->BringToFront();
        owner->PostMessage(WM_SOL_MENUBAR);
    }
    return result;
}

int DialogFrame::ContentTop() const
{
    return titleStringId_ != 0 ? ScaleY(25) : 0;
}

bool DialogFrame::OnInitDialog()
{
    if (titleStringId_ != 0) {
        SetControlFont(ids::kCtlFrameTitle, titleFont());
        SetControlTextColour(ids::kCtlFrameTitle, kTitleColour);
        SetControlText(ids::kCtlFrameTitle, LoadString(titleStringId_));
        SetTitle(LoadString(titleStringId_));
    } else {
        ShowControl(ids::kCtlFrameTitle, false);
    }
    bar_ = std::make_unique<CMenuBar>();
    bar_->Create(*this, MenuBarConfig{barId_, barId_, PictureId(), ids::kToolbarImageCount, true});
    content_.frame_ = this;
    const Rect client = ClientRect();
    const Rect area{0, ContentTop(), client.right, std::max(client.bottom, ContentTop())};
    if (!content_.CreateChild(*this, area))
        return false;
    PlaceContent();
    return true;
}

void DialogFrame::OnPaint(PaintContext& paint)
{
    CeDialog::OnPaint(paint);
    const Rect client = paint.ClientRect();
    paint.FillRect(Rect{0, ScaleY(24), client.right, ScaleY(25)}, 0x000000);
}

void DialogFrame::OnSize(int width, int height)
{
    (void)width;
    (void)height;
    if (content_.IsCreated())
        PlaceContent();
}

void DialogFrame::PlaceContent()
{
    const Rect client = ClientRect();
    const int top = ContentTop();
    content_.SetWindowRect(Rect{0, top, client.right, std::max(client.bottom, top)});
    content_.SetScrollRange(0, 0, 0);
    const Rect area = content_.ClientRect();
    content_.ContentSized(area.right, area.bottom);
    UpdateScrolling();
}

// The content scrolls when its lowest visible control reaches below the page.
void DialogFrame::UpdateScrolling()
{
    const auto layout = findDialog(programResources(), content_.TemplateId());
    if (!layout)
        return;
    int lowest = 0;
    for (const ControlTemplate& control : layout->controls) {
        if (control.id == IDC_STATIC) {
            if ((control.style & kControlHidden) == 0)
                lowest = std::max(lowest, content_.DialogUnitsToPixels(
                                              Rect{control.x, control.y, control.x + control.width,
                                                   control.y + control.height})
                                              .bottom);
        } else if (content_.IsControlVisible(control.id)) {
            lowest = std::max(lowest, content_.ControlRect(control.id).bottom);
        }
    }
    const int pageHeight = content_.ClientRect().bottom;
    if (lowest <= pageHeight)
        return;
    content_.SetScrollRange(lowest + scrollMargin(), pageHeight + ScaleY(1), ScaleY(5));
}

bool DialogFrame::OnCommand(int id)
{
    if (id == IDOK || id == IDCANCEL)
        return CeDialog::OnCommand(id);
    if (id == IDHELP) {
        content_.ContentHelp();
        return true;
    }
    return content_.OnCommand(id);
}

}  // namespace velmora
