// The controls of a dialog: creation from the template and the calls that
// set and read them.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>

#include "dialog_internal.h"
#include "font_mapping.h"
#include "key_codes.h"
#include "qt_convert.h"
#include "resources.h"
#include "screen.h"
#include "window_widget.h"

namespace velmora {

namespace {

Qt::Alignment alignmentOf(TextAlign align)
{
    switch (align) {
    case TextAlign::centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::right:
        return Qt::AlignRight | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

}  // namespace

// ---- Bookkeeping ---------------------------------------------------------------

ControlEntry* CeBaseDialog::Controls::find(int id)
{
    if (id == IDC_STATIC)
        return nullptr;
    for (ControlEntry& entry : entries) {
        if (entry.id == id && entry.widget)
            return &entry;
    }
    return nullptr;
}

const ControlEntry* CeBaseDialog::Controls::find(int id) const
{
    return const_cast<Controls*>(this)->find(id);
}

QWidget* CeBaseDialog::Controls::widget(int id) const
{
    const ControlEntry* entry = find(id);
    return entry ? entry->widget.data() : nullptr;
}

bool notifyDialog(CeBaseDialog& dialog, const ControlNotification& notification)
{
    bool handled = false;
    runGuarded(&dialog, [&] { handled = dialog.OnNotify(notification); });
    return handled;
}

void drawDialogItem(CeBaseDialog& dialog, DrawItem& item)
{
    runGuarded(&dialog, [&] { dialog.OnDrawItem(item); });
}

bool ControlEvents::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        notifyDialog(dialog_, ControlNotification{id_, ControlEvent::focusGained, -1, 0});
        return false;
    case QEvent::FocusOut:
        notifyDialog(dialog_, ControlNotification{id_, ControlEvent::focusLost, -1, 0});
        return false;
    case QEvent::KeyPress: {
        const int key = virtualKeyFromQt(static_cast<QKeyEvent*>(event)->key());
        return key != 0 && notifyDialog(dialog_, ControlNotification{id_, ControlEvent::key, -1, key});
    }
    default:
        return false;
    }
}

// ---- Owner-drawn buttons and rows ------------------------------------------------

namespace {

// Lets the dialog draw into a surface of the item's device size, then shows
// the surface 1:1 at the item's place.
void paintOwnerDrawn(CeBaseDialog& dialog, QPainter& painter, const QRect& logicalRect, double ratio, DrawItem item)
{
    const int width = qt::toDevice(logicalRect.width(), ratio);
    const int height = qt::toDevice(logicalRect.height(), ratio);
    Surface surface(width, height);
    if (!surface.IsValid())
        return;
    surface.Fill(0xFFFFFF);
    item.surface = &surface;
    item.rect = Rect{0, 0, width, height};
    drawDialogItem(dialog, item);
    painter.drawImage(QRectF(logicalRect), *surface.image());
}

}  // namespace

OwnerDrawButton::OwnerDrawButton(CeBaseDialog& dialog, int id, QWidget* parent)
    : QAbstractButton(parent), dialog_(dialog), id_(id)
{
    setFocusPolicy(Qt::StrongFocus);
}

void OwnerDrawButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawItem item;
    item.controlId = id_;
    item.focused = hasFocus();
    item.pressed = isDown();
    paintOwnerDrawn(dialog_, painter, rect(), qt::pixelRatio(this), item);
}

OwnerDrawDelegate::OwnerDrawDelegate(CeBaseDialog& dialog, int id, QObject* parent)
    : QAbstractItemDelegate(parent), dialog_(dialog), id_(id)
{
}

void OwnerDrawDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    DrawItem item;
    item.controlId = id_;
    item.item = index.row();
    item.value = index.data(kValueRole).value<qlonglong>();
    item.selected = option.state & QStyle::State_Selected;
    item.focused = option.state & QStyle::State_HasFocus;
    const QWidget* view = option.widget;
    paintOwnerDrawn(dialog_, *painter, option.rect, qt::pixelRatio(view), item);
}

QSize OwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), rowHeight_);
}

// ---- Creation --------------------------------------------------------------------

Rect CeBaseDialog::DialogUnitsToPixels(const Rect& dialogUnits) const
{
    const int unitX = controls_->baseUnitX;
    const int unitY = controls_->baseUnitY;
    auto x = [unitX](int units) { return (units * unitX + 2) / 4; };
    auto y = [unitY](int units) { return (units * unitY + 4) / 8; };
    return Rect{x(dialogUnits.left), y(dialogUnits.top), x(dialogUnits.right), y(dialogUnits.bottom)};
}

bool CeBaseDialog::BuildFromTemplate()
{
    DialogTemplate dialogTemplate;
    if (templateId_ != 0) {
        std::optional<DialogTemplate> found = findDialog(programResources(), templateId_);
        if (!found)
            return false;
        dialogTemplate = std::move(*found);
    }
    Controls& controls = *controls_;
    controls.font = FontRequest{dialogTemplate.fontFace, (dialogTemplate.fontPoints * screenMetrics().dpiY + 36) / 72};
    const Font font(controls.font);
    controls.baseUnitX = std::max(1, font.averageCharWidth());
    controls.baseUnitY = std::max(1, font.lineHeight());

    QWidget* parent = widget();
    const double ratio = qt::pixelRatio(parent);
    parent->setFont(qt::fontFor(controls.font, ratio));
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* created = nullptr;
        const QString text = qt::toQString(control.text);
        switch (control.kind) {
        case ControlKind::label: {
            auto* label = new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(alignmentOf(control.align));
            label->setWordWrap((control.style & kControlMultiLine) != 0);
            created = label;
            break;
        }
        case ControlKind::picture: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            created = picture;
            break;
        }
        case ControlKind::checkBox: {
            auto* box = new QCheckBox(text, parent);
            QObject::connect(box, &QCheckBox::clicked, [this, id = control.id] { SendMessage(WM_COMMAND, static_cast<WParam>(id)); });
            created = box;
            break;
        }
        case ControlKind::dropDownList: {
            auto* combo = new QComboBox(parent);
            // The handheld's drop-down lists start their text right at the
            // frame; the desktop's wide inner margin would clip the longer
            // items of a list sized in dialog units.
            combo->setStyleSheet(QStringLiteral("QComboBox { padding-left: 2px; }"));
            QObject::connect(combo, &QComboBox::activated, [this, id = control.id](int index) {
                notifyDialog(*this, ControlNotification{id, ControlEvent::selectionChanged, index, 0});
            });
            created = combo;
            break;
        }
        case ControlKind::pushButton: {
            auto* button = new QPushButton(text, parent);
            QObject::connect(button, &QPushButton::clicked, [this, id = control.id] { SendMessage(WM_COMMAND, static_cast<WParam>(id)); });
            created = button;
            break;
        }
        case ControlKind::ownerDrawButton: {
            auto* button = new OwnerDrawButton(*this, control.id, parent);
            QObject::connect(button, &QAbstractButton::clicked, [this, id = control.id] { SendMessage(WM_COMMAND, static_cast<WParam>(id)); });
            created = button;
            break;
        }
        case ControlKind::editBox:
            created = new QLineEdit(text, parent);
            break;
        case ControlKind::listBox:
        case ControlKind::listView: {
            auto* list = new QListWidget(parent);
            auto* delegate = new OwnerDrawDelegate(*this, control.id, list);
            delegate->setRowHeight(qt::toLogical(ScaleY(15), ratio));
            list->setItemDelegate(delegate);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setUniformItemSizes(true);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setVerticalScrollBarPolicy((control.style & kControlVerticalScroll) ? Qt::ScrollBarAsNeeded
                                                                                     : Qt::ScrollBarAlwaysOff);
            QObject::connect(list, &QListWidget::itemSelectionChanged, [this, list, id = control.id] {
                notifyDialog(*this, ControlNotification{id, ControlEvent::selectionChanged, list->currentRow(), 0});
            });
            QObject::connect(list, &QListWidget::itemClicked, [this, list, id = control.id](QListWidgetItem* item) {
                notifyDialog(*this, ControlNotification{id, ControlEvent::activated, list->row(item), 0});
            });
            created = list;
            break;
        }
        case ControlKind::reportView:
            created = createReportView(*this, control.id, parent);
            break;
        case ControlKind::tabControl: {
            auto* tabs = new QTabBar(parent);
            tabs->setExpanding(false);
            if (control.style & kControlTabsBelow)
                tabs->setShape(QTabBar::RoundedSouth);
            QObject::connect(tabs, &QTabBar::tabBarClicked, [this, id = control.id](int index) {
                if (index >= 0)
                    notifyDialog(*this, ControlNotification{id, ControlEvent::activated, index, 0});
            });
            created = tabs;
            break;
        }
        }
        Rect area = DialogUnitsToPixels(Rect::fromSize(control.x, control.y, control.width, control.height));
        if (control.kind == ControlKind::dropDownList) {
            // The template's height includes the opened list; closed, the
            // control is one line high.
            area.bottom = area.top + DialogUnitsToPixels(Rect{0, 0, 0, 12}).bottom;
        }
        created->setGeometry(qt::toLogicalRect(area, ratio));
        if (control.style & kControlBold) {
            FontRequest bold = controls.font;
            bold.weight = 700;
            created->setFont(qt::fontFor(bold, ratio));
        }
        created->setEnabled((control.style & kControlDisabled) == 0);
        created->setVisible((control.style & kControlHidden) == 0);
        created->installEventFilter(new ControlEvents(*this, control.id, created));
        controls.entries.push_back(ControlEntry{control.kind, control.id, created});
    }
    return true;
}

// ---- Any control --------------------------------------------------------------------

bool CeBaseDialog::HasControl(int id) const { return controls_->find(id) != nullptr; }

void CeBaseDialog::SetControlText(int id, std::string_view utf8)
{
    QWidget* widget = controls_->widget(id);
    const QString text = qt::toQString(utf8);
    if (auto* label = dynamic_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = dynamic_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* edit = dynamic_cast<QLineEdit*>(widget))
        edit->setText(text.left(edit->maxLength()));
    else if (widget)
        widget->setWindowTitle(text);
}

std::string CeBaseDialog::ControlText(int id) const
{
    QWidget* widget = controls_->widget(id);
    if (auto* label = dynamic_cast<QLabel*>(widget))
        return qt::toUtf8(label->text());
    if (auto* button = dynamic_cast<QAbstractButton*>(widget))
        return qt::toUtf8(button->text());
    if (auto* edit = dynamic_cast<QLineEdit*>(widget))
        return qt::toUtf8(edit->text());
    if (auto* combo = asCombo(widget))
        return qt::toUtf8(combo->currentText());
    return widget ? qt::toUtf8(widget->windowTitle()) : std::string();
}

void CeBaseDialog::ShowControl(int id, bool visible)
{
    if (QWidget* widget = controls_->widget(id))
        widget->setVisible(visible);
}

bool CeBaseDialog::IsControlVisible(int id) const
{
    const QWidget* widget = controls_->widget(id);
    return widget && !widget->isHidden();
}

void CeBaseDialog::EnableControl(int id, bool enabled)
{
    if (QWidget* widget = controls_->widget(id))
        widget->setEnabled(enabled);
}

void CeBaseDialog::MoveControl(int id, const Rect& rect)
{
    if (QWidget* widget = controls_->widget(id))
        widget->setGeometry(qt::toLogicalRect(rect, qt::pixelRatio(widget)));
}

Rect CeBaseDialog::ControlRect(int id) const
{
    const QWidget* widget = controls_->widget(id);
    return widget ? qt::toDeviceRect(widget->geometry(), qt::pixelRatio(widget)) : Rect{};
}

void CeBaseDialog::SetControlFont(int id, const FontRequest& font)
{
    if (QWidget* widget = controls_->widget(id))
        widget->setFont(qt::fontFor(font, qt::pixelRatio(widget)));
}

void CeBaseDialog::SetControlTextColour(int id, Colour colour)
{
    if (QWidget* widget = controls_->widget(id)) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, qt::toQColor(colour));
        palette.setColor(QPalette::ButtonText, qt::toQColor(colour));
        palette.setColor(QPalette::Text, qt::toQColor(colour));
        widget->setPalette(palette);
    }
}

void CeBaseDialog::RaiseControl(int id)
{
    if (QWidget* widget = controls_->widget(id))
        widget->raise();
}

// An edit box given the focus has its text selected, as the dialog manager
// does, so typing replaces a text offered in it.
void CeBaseDialog::FocusControl(int id)
{
    QWidget* widget = controls_->widget(id);
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
}

int CeBaseDialog::FocusedControl() const
{
    const QWidget* focus = QApplication::focusWidget();
    for (const ControlEntry& entry : controls_->entries) {
        if (entry.widget && entry.id != IDC_STATIC && (entry.widget == focus || entry.widget->isAncestorOf(focus)))
            return entry.id;
    }
    return 0;
}

void CeBaseDialog::RedrawControl(int id)
{
    if (QWidget* widget = controls_->widget(id)) {
        if (auto* list = asList(widget))
            list->viewport()->update();
        widget->update();
    }
}

}  // namespace velmora
