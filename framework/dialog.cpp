#include "dialog.h"

#include <QEventLoop>
#include <QResizeEvent>

#include <algorithm>
#include <vector>

#include "dialog_internal.h"
#include "menu_bar.h"
#include "modal_answerer.h"
#include "modal_state.h"
#include "qt_convert.h"
#include "screen.h"
#include "window_widget.h"

namespace velmora {

namespace {

constexpr Colour kDialogBackground = 0xFFFFFF;
constexpr int kMostRefusedAnswers = 64;

// The modal dialogs now running, innermost last.
std::vector<CeDialog*>& runningDialogs()
{
    static std::vector<CeDialog*> dialogs;
    return dialogs;
}

// Keeps a modal page the size of the top-level window it covers.
class CoverFollower final : public QObject {
public:
    explicit CoverFollower(CeBaseWnd& page) : page_(page) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && page_.IsCreated()) {
            const auto* top = static_cast<QWidget*>(object);
            const double ratio = qt::pixelRatio(top);
            page_.SetWindowRect(Rect{0, 0, qt::toDevice(top->width(), ratio), qt::toDevice(top->height(), ratio)});
        }
        return false;
    }

private:
    CeBaseWnd& page_;
};

}  // namespace

CeBaseWnd* innermostModalPage(const QWidget* topLevel)
{
    const std::vector<CeDialog*>& dialogs = runningDialogs();
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) {
        if ((*it)->IsCreated() && (*it)->widget()->window() == topLevel && (*it)->widget() != topLevel)
            return *it;
    }
    return nullptr;
}

// ---- CeBaseDialog ------------------------------------------------------------------

CeBaseDialog::CeBaseDialog(int templateId) : templateId_(templateId), controls_(std::make_unique<Controls>()) {}

CeBaseDialog::~CeBaseDialog() = default;

bool CeBaseDialog::HandleCreate()
{
    controls_ = std::make_unique<Controls>();
    return BuildFromTemplate() && OnInitDialog();
}

bool CeBaseDialog::CreateChild(CeBaseWnd& parent, const Rect& rect)
{
    if (IsCreated() || !parent.IsCreated())
        return false;
    if (!CreateWidget(&parent, rect, "", "TheWnd:Dialog", kDialogBackground))
        return false;
    bool created = false;
    runGuarded(this, [&] { created = HandleCreate(); });
    if (!created) {
        DiscardWidget();
        return false;
    }
    Show();
    return true;
}

bool CeBaseDialog::WindowProc(const Message& message, LResult& result)
{
    if (message.id == WM_SIZE && controls_->scrollBar) {
        const Rect client = ClientRect();
        const int width = ScaleX(13);
        controls_->scrollBar->setGeometry(
            qt::toLogicalRect(Rect{client.right - width, 0, client.right, client.bottom}, qt::pixelRatio(widget())));
    }
    return CeMsgWnd::WindowProc(message, result);
}

void CeBaseDialog::SetScrollRange(int contentHeight, int pageHeight, int lineStep)
{
    if (!IsCreated())
        return;
    if (contentHeight <= 0) {
        ScrollTo(0);
        if (controls_->scrollBar)
            delete controls_->scrollBar.data();
        return;
    }
    if (!controls_->scrollBar) {
        auto* bar = new QScrollBar(Qt::Vertical, widget());
        QObject::connect(bar, &QScrollBar::valueChanged, [this](int value) { ScrollTo(value); });
        controls_->scrollBar = bar;
    }
    QScrollBar& bar = *controls_->scrollBar;
    const QSignalBlocker blocker(&bar);
    bar.setRange(0, std::max(0, contentHeight - pageHeight));
    bar.setPageStep(std::max(1, pageHeight));
    bar.setSingleStep(std::max(1, lineStep));
    bar.setValue(std::min(controls_->scrollPosition, bar.maximum()));
    LResult ignored = 0;
    const Rect client = ClientRect();
    WindowProc(Message{WM_SIZE, 0, makePointParam(client.width(), client.height())}, ignored);
    bar.show();
    bar.raise();
    ScrollTo(bar.value());
}

// Moves every child of the dialog (controls and child windows) by the change
// of position, as scrolling a window's contents does.
void CeBaseDialog::ScrollTo(int y)
{
    if (!IsCreated())
        return;
    int target = std::max(0, y);
    if (controls_->scrollBar)
        target = std::min(target, controls_->scrollBar->maximum());
    else
        target = 0;
    const int delta = controls_->scrollPosition - target;
    if (delta == 0)
        return;
    controls_->scrollPosition = target;
    const double ratio = qt::pixelRatio(widget());
    for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == controls_->scrollBar.data())
            continue;
        const Rect place = qt::toDeviceRect(child->geometry(), ratio);
        child->setGeometry(qt::toLogicalRect(Rect{place.left, place.top + delta, place.right, place.bottom + delta}, ratio));
    }
    if (controls_->scrollBar) {
        const QSignalBlocker blocker(controls_->scrollBar.data());
        controls_->scrollBar->setValue(target);
    }
}

int CeBaseDialog::ScrollPosition() const { return controls_->scrollPosition; }

bool CeBaseDialog::HasScrollBar() const { return controls_->scrollBar != nullptr; }

// ---- CeDialog ----------------------------------------------------------------------

CeDialog::CeDialog(int templateId) : CeBaseDialog(templateId) {}

CeDialog::~CeDialog() = default;

int CeDialog::DoModal(CeBaseWnd* owner)
{
    if (running_ || IsCreated())
        return -1;
    owner_ = owner;
    ended_ = false;
    result_ = 0;
    CeBaseWnd* top = owner && owner->IsCreated() ? owner->TopLevel() : nullptr;
    Rect area = Rect::fromSize(0, 0, ScaleX(240), ScaleY(320));
    if (top) {
        const double ratio = qt::pixelRatio(top->widget());
        area = Rect{0, 0, qt::toDevice(top->widget()->width(), ratio), qt::toDevice(top->widget()->height(), ratio)};
    }
    if (!CreateWidget(top, area, "", "TheWnd:Dialog", kDialogBackground))
        return -1;
    static_cast<WindowWidget*>(widget())->setStopsKeys(true);

    running_ = true;
    runningDialogs().push_back(this);
    ModalScope modal;
    bool created = false;
    runGuarded(this, [&] { created = HandleCreate(); });
    if (created && IsCreated()) {
        CoverFollower follower(*this);
        if (top)
            top->widget()->installEventFilter(&follower);
        Show();
        widget()->raise();
        if (FocusedControl() == 0)
            widget()->setFocus(Qt::OtherFocusReason);
        if (!ended_ && !AnswerFromTest()) {
            QEventLoop loop;
            loop_ = &loop;
            loop.exec(QEventLoop::DialogExec);
            loop_ = nullptr;
        }
        if (top && top->IsCreated())
            top->widget()->removeEventFilter(&follower);
    } else {
        result_ = -1;
    }
    std::erase(runningDialogs(), this);
    running_ = false;
    if (created)
        Destroy();
    else
        DiscardWidget();
    if (owner && owner->IsCreated())
        owner->SetFocus();
    return result_;
}

bool CeDialog::AnswerFromTest()
{
    ModalRequest request;
    request.kind = ModalKind::dialog;
    request.caption = Title();
    request.resourceId = TemplateId();
    request.dialog = this;
    for (int attempt = 0; !ended_; ++attempt) {
        if (attempt == kMostRefusedAnswers) {
            EndDialog(0);
            break;
        }
        request.attempt = attempt;
        const std::optional<int> answer = askModalAnswerer(request);
        if (ended_)
            break;  // the answerer ended the dialog itself
        if (!answer)
            return false;
        Command(*answer);
    }
    return true;
}

void CeDialog::EndDialog(int result)
{
    ended_ = true;
    result_ = result;
    if (loop_)
        loop_->exit(0);
}

bool CeDialog::OnCommand(int id)
{
    if (id == IDOK) {
        if (OnOK())
            EndDialog(IDOK);
        return true;
    }
    if (id == IDCANCEL) {
        if (OnCancel())
            EndDialog(IDCANCEL);
        return true;
    }
    return false;
}

void CeDialog::OnClose() { OnCommand(IDCANCEL); }

bool CeDialog::OnKeyDown(int virtualKey)
{
    if (virtualKey != VK_ESCAPE)
        return false;
    OnClose();
    return true;
}

std::optional<LResult> CeDialog::OnMessage(const Message& message)
{
    if (message.id == WM_SOL_MENUBAR) {
        if (CMenuBar* bar = MenuBar())
            bar->Show();
        return 0;
    }
    return std::nullopt;
}

}  // namespace velmora
