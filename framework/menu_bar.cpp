#include "menu_bar.h"

#include <QMenu>
#include <QPainter>
#include <QBitmap>
#include <QPixmap>
#include <QToolButton>

#include "modal_answerer.h"
#include "modal_state.h"
#include "qt_convert.h"
#include "resources.h"
#include "screen.h"
#include "surface.h"
#include "window.h"
#include "window_widget.h"

namespace velmora {

namespace {

constexpr Colour kBarColour = 0xD8D8D8;
constexpr Colour kBarEdgeColour = 0x808080;

// The bar's own window: a strip with one tool button per resource button.
class MenuBarWindow final : public CeMsgWnd {
public:
    struct Button {
        QToolButton* widget = nullptr;  // null for a separator
        int width = 0;                  // device pixels
    };
    std::vector<Button> buttons;

    bool create(CeBaseWnd& owner) { return CreateWidget(&owner, Rect{}, "", "TheWnd:MenuBar", kBarColour); }

    // Lays the buttons out: softkeys share the width, toolbar buttons sit
    // side by side from the left.
    void layOut(bool softkeyMode)
    {
        const double ratio = qt::pixelRatio(widget());
        const Rect client = ClientRect();
        int x = 0;
        const int softkeyWidth = client.width() / std::max<int>(2, static_cast<int>(buttons.size()));
        for (const Button& button : buttons) {
            const int width = softkeyMode ? softkeyWidth : button.width;
            if (button.widget) {
                button.widget->setGeometry(
                    qt::toLogicalRect(Rect{x, 1, x + width, client.height()}, ratio));
            }
            x += width;
        }
    }

protected:
    void OnPaint(PaintContext& paint) override
    {
        const Rect client = paint.ClientRect();
        paint.FillRect(client, kBarColour);
        paint.FillRect(Rect{0, 0, client.width(), 1}, kBarEdgeColour);
    }
};

QPixmap toolbarImage(const Surface& strip, int imageCount, int index, double ratio)
{
    if (!strip.IsValid() || imageCount <= 0 || index < 0 || index >= imageCount)
        return QPixmap();
    const int width = strip.Width() / imageCount;
    QPixmap pixmap = QPixmap::fromImage(strip.image()->copy(index * width, 0, width, strip.Height()));
    // The strip's white is its transparent colour: the bar shows through.
    pixmap.setMask(pixmap.createMaskFromColor(Qt::white));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

CMenuBar::CMenuBar() = default;

CMenuBar::~CMenuBar() { DestroyBar(); }

bool CMenuBar::Create(CeBaseWnd& owner, const MenuBarConfig& config)
{
    DestroyBar();
    if (!owner.IsCreated())
        return false;
    owner_ = &owner;
    config_ = config;
    return Build(config.softkeyMode);
}

void CMenuBar::DestroyBar()
{
    if (window_) {
        window_->Destroy();
        window_.reset();
    }
    if (owner_ && owner_->menuBar_ == this)
        owner_->menuBar_ = nullptr;
}

bool CMenuBar::Build(bool softkeyMode)
{
    const int resourceId = softkeyMode ? config_.softkeyBarId : config_.iconBarId;
    std::optional<MenuBarResource> resource = findMenuBar(programResources(), resourceId);
    if (!owner_ || !owner_->IsCreated() || !resource)
        return false;
    if (window_)
        window_->Destroy();
    auto window = std::make_unique<MenuBarWindow>();
    if (!window->create(*owner_))
        return false;
    resource_ = std::move(*resource);
    softkeyMode_ = softkeyMode;
    ++buildCount_;

    Surface strip;
    if (!softkeyMode)
        strip.LoadBitmap(config_.bitmapId);
    const double ratio = qt::pixelRatio(window->widget());
    for (std::size_t i = 0; i < resource_.buttons.size(); ++i) {
        const MenuBarButton& definition = resource_.buttons[i];
        MenuBarWindow::Button button;
        if (definition.separator && !softkeyMode) {
            button.width = ScaleX(6);
            window->buttons.push_back(button);
            continue;
        }
        button.widget = new QToolButton(window->widget());
        button.widget->setAutoRaise(true);
        button.widget->setEnabled(definition.enabled);
        button.widget->setFocusPolicy(Qt::NoFocus);
        if (definition.tooltipStringId != 0)
            button.widget->setToolTip(qt::toQString(LoadString(definition.tooltipStringId)));
        if (softkeyMode) {
            button.widget->setText(qt::toQString(LoadString(definition.labelStringId)));
        } else {
            const QPixmap image = toolbarImage(strip, config_.imageCount, definition.image, ratio);
            button.widget->setIcon(QIcon(image));
            button.widget->setIconSize(image.isNull() ? QSize() : image.deviceIndependentSize().toSize());
            button.width = std::max(ScaleX(24), (image.isNull() ? 0 : image.width()) + ScaleX(8));
        }
        const int index = static_cast<int>(i);
        QObject::connect(button.widget, &QToolButton::clicked, [this, index] { PressButton(index); });
        window->buttons.push_back(button);
    }
    window_ = std::move(window);
    owner_->menuBar_ = this;
    Place();
    Show();
    return true;
}

bool CMenuBar::SetSoftkeyMode(bool softkeyMode)
{
    if (softkeyMode == softkeyMode_ && window_ && window_->IsCreated())
        return true;
    const int resourceId = softkeyMode ? config_.softkeyBarId : config_.iconBarId;
    if (!findMenuBar(programResources(), resourceId))
        return false;
    return Build(softkeyMode);
}

void CMenuBar::Place()
{
    if (!owner_ || !owner_->IsCreated() || !window_ || !window_->IsCreated())
        return;
    const double ratio = qt::pixelRatio(owner_->widget());
    const int ownerWidth = qt::toDevice(owner_->widget()->width(), ratio);
    const int ownerHeight = qt::toDevice(owner_->widget()->height(), ratio);
    window_->SetWindowRect(Rect{0, ownerHeight - Height(), ownerWidth, ownerHeight});
    static_cast<MenuBarWindow*>(window_.get())->layOut(softkeyMode_);
}

void placeMenuBar(CMenuBar& bar) { bar.Place(); }

void CMenuBar::Show()
{
    if (!window_ || !window_->IsCreated())
        return;
    window_->Show();
    window_->widget()->raise();
}

CeBaseWnd* CMenuBar::GetWindow() const { return window_ && window_->IsCreated() ? window_.get() : nullptr; }

int CMenuBar::Height() const { return GetWindow() ? ScaleY(26) : 0; }

std::vector<std::string> CMenuBar::ButtonTexts() const
{
    std::vector<std::string> texts;
    if (!GetWindow())
        return texts;
    for (const MenuBarButton& button : resource_.buttons) {
        if (softkeyMode_)
            texts.push_back(button.separator ? std::string() : LoadString(button.labelStringId));
        else
            texts.push_back(button.separator ? "|" : "");
    }
    return texts;
}

bool CMenuBar::PressButton(int index)
{
    if (!GetWindow() || index < 0 || index >= static_cast<int>(resource_.buttons.size()))
        return false;
    const MenuBarButton button = resource_.buttons[static_cast<std::size_t>(index)];
    if (button.separator || !button.enabled)
        return false;
    CeBaseWnd& owner = *owner_;
    if (button.dropdown) {
        const auto* bar = static_cast<const MenuBarWindow*>(window_.get());
        const QToolButton* widget = bar->buttons[static_cast<std::size_t>(index)].widget;
        const QPoint corner = owner.widget()->mapFromGlobal(widget->mapToGlobal(QPoint(0, 0)));
        const double ratio = qt::pixelRatio(owner.widget());
        TrackPopupMenu(owner, resource_.menuId, Point{qt::toDevice(corner.x(), ratio), qt::toDevice(corner.y(), ratio)});
        return true;
    }
    owner.SendMessage(WM_COMMAND, static_cast<WParam>(button.command));
    return true;
}

namespace {

// The command chosen from the popup (the answerer's, or the player's), 0 when
// none was.
int runPopup(CeBaseWnd& owner, const MenuResource& menu, const ModalRequest& request, Point point)
{
    ModalScope modal;
    if (const std::optional<int> answer = askModalAnswerer(request)) {
        // Only a command of this menu can be chosen from it.
        const bool known = std::find(request.commands.begin(), request.commands.end(), *answer) != request.commands.end();
        return known ? *answer : 0;
    }
    if (!owner.IsCreated())
        return 0;
    QMenu popup(owner.widget());
    for (const MenuItem& item : menu.items) {
        if (item.separator)
            popup.addSeparator();
        else
            popup.addAction(qt::toQString(item.text))->setData(item.command);
    }
    const double ratio = qt::pixelRatio(owner.widget());
    const QPoint anchor(qt::toLogical(point.x, ratio), qt::toLogical(point.y, ratio));
    const QPoint topLeft = owner.widget()->mapToGlobal(anchor) - QPoint(0, popup.sizeHint().height());
    const QAction* chosen = popup.exec(topLeft);
    return chosen ? chosen->data().toInt() : 0;
}

}  // namespace

int TrackPopupMenu(CeBaseWnd& owner, int menuId, Point point)
{
    const std::optional<MenuResource> menu = findMenu(programResources(), menuId);
    if (!menu || !owner.IsCreated())
        return 0;
    ModalRequest request;
    request.kind = ModalKind::popupMenu;
    request.resourceId = menuId;
    for (const MenuItem& item : menu->items) {
        if (!item.separator)
            request.commands.push_back(item.command);
    }

    owner.SendMessage(WM_ENTERMENULOOP);
    const int command = runPopup(owner, *menu, request, point);
    owner.SendMessage(WM_EXITMENULOOP);
    if (command != 0)
        owner.SendMessage(WM_COMMAND, static_cast<WParam>(command));
    return command;
}

}  // namespace velmora
