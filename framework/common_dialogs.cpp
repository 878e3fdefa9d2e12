#include "common_dialogs.h"

#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QShowEvent>

#include <algorithm>

#include "colour_chooser.h"
#include "messages.h"
#include "modal_answerer.h"
#include "modal_state.h"
#include "qt_convert.h"
#include "window.h"

namespace velmora {

namespace {

QWidget* ownerWidget(CeBaseWnd* owner)
{
    return owner && owner->IsCreated() ? owner->widget()->window() : nullptr;
}

struct ButtonChoice {
    QMessageBox::StandardButton button;
    int id;
};

std::vector<ButtonChoice> buttonsFor(unsigned style)
{
    switch (style & mb::buttonMask) {
    case mb::okCancel:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case mb::yesNoCancel:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case mb::yesNo:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case mb::retryCancel:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon iconFor(unsigned style)
{
    switch (style & mb::iconMask) {
    case mb::iconError:
        return QMessageBox::Critical;
    case mb::iconQuestion:
        return QMessageBox::Question;
    case mb::iconWarning:
        return QMessageBox::Warning;
    case mb::iconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// A message box that stays within its owner's window: Qt sizes a box for a
// desktop screen, which on a handheld-sized window can be wider than the
// window itself. Once Qt has sized it, a box wider than the window wraps its
// text to the window's width, and the box is centred over the window.
class FittedMessageBox final : public QMessageBox {
public:
    FittedMessageBox(Icon icon, const QString& caption, const QString& text, QWidget* window)
        : QMessageBox(icon, caption, text, QMessageBox::NoButton, window), window_(window)
    {
    }

protected:
    // Qt sizes the box again when it is shown and whenever its layout asks.
    bool event(QEvent* event) override
    {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest && isVisible())
            fitOver();
        return handled;
    }

    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        fitOver();
    }

private:
    void fitOver()
    {
        if (!window_)
            return;
        // Frames count: the box's frame must lie within the window's frame.
        const QRect area = window_->frameGeometry();
        const QSize frame = frameGeometry().size() - size();
        if (frameGeometry().width() > area.width()) {
            if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                label->setWordWrap(true);
            layout()->invalidate();
            const int width = area.width() - frame.width();
            const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                              : layout()->totalSizeHint().height();
            setFixedSize(width, std::max(height, layout()->totalMinimumSize().height()));
        }
        const QSize outer = size() + frame;
        move(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
    }

    QWidget* window_;
};

// The answer of a box closed without a button.
int closedAnswer(unsigned style)
{
    switch (style & mb::buttonMask) {
    case mb::ok:
        return IDOK;
    case mb::yesNo:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

}  // namespace

int MessageBox(CeBaseWnd* owner, std::string_view text, std::string_view caption, unsigned style)
{
    ModalRequest request;
    request.kind = ModalKind::messageBox;
    request.caption = std::string(caption);
    request.text = std::string(text);
    request.style = style;
    ModalScope modal;
    if (const std::optional<int> answer = askModalAnswerer(request))
        return *answer;

    FittedMessageBox box(iconFor(style), qt::toQString(caption), qt::toQString(text), ownerWidget(owner));
    const std::vector<ButtonChoice> choices = buttonsFor(style);
    for (const ButtonChoice& choice : choices)
        box.addButton(choice.button);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const ButtonChoice& choice : choices) {
        if (choice.button == pressed)
            return choice.id;
    }
    return closedAnswer(style);
}

const std::array<Colour, 48>& standardColours()
{
    return chooserStandardColours();
}

std::optional<Colour> ChooseColour(CeBaseWnd* owner, Colour initial, unsigned flags)
{
    if ((flags & cc::rgbInit) == 0)
        initial = 0x000000;
    ModalRequest request;
    request.kind = ModalKind::colourChooser;
    request.colour = initial;
    request.style = flags;
    ModalScope modal;
    if (const std::optional<int> answer = askModalAnswerer(request)) {
        if (*answer < 0)
            return std::nullopt;
        return static_cast<Colour>(*answer) & 0xFFFFFF;
    }

    return runColourChooser(ownerWidget(owner), initial);
}

}  // namespace velmora
