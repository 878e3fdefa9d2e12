#include "common_dialogs.h"

#include <QColorDialog>
#include <QMessageBox>

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

    QMessageBox box(iconFor(style), qt::toQString(caption), qt::toQString(text), QMessageBox::NoButton,
                    ownerWidget(owner));
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

std::optional<Colour> ChooseColour(CeBaseWnd* owner, Colour initial)
{
    ModalRequest request;
    request.kind = ModalKind::colourChooser;
    request.colour = initial;
    ModalScope modal;
    if (const std::optional<int> answer = askModalAnswerer(request)) {
        if (*answer < 0)
            return std::nullopt;
        return static_cast<Colour>(*answer) & 0xFFFFFF;
    }

    // The custom colours start black at every opening.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(0, 0, 0));
    const QColor chosen = QColorDialog::getColor(qt::toQColor(initial), ownerWidget(owner));
    if (!chosen.isValid())
        return std::nullopt;
    return rgb(chosen.red(), chosen.green(), chosen.blue());
}

}  // namespace velmora
