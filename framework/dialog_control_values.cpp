// The values of a dialog's controls: check marks, list rows, tabs, edit
// limits and pictures.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>

#include "dialog_internal.h"
#include "qt_convert.h"

namespace velmora {

void CeBaseDialog::SetCheck(int id, bool checked)
{
    if (auto* button = dynamic_cast<QAbstractButton*>(controls_->widget(id))) {
        button->setCheckable(true);
        button->setChecked(checked);
    }
}

bool CeBaseDialog::IsChecked(int id) const
{
    const auto* button = dynamic_cast<const QAbstractButton*>(controls_->widget(id));
    return button && button->isChecked();
}

void CeBaseDialog::ClearItems(int id)
{
    QWidget* widget = controls_->widget(id);
    const QSignalBlocker blocker(widget);
    if (auto* list = asList(widget))
        list->clear();
    else if (auto* combo = asCombo(widget))
        combo->clear();
}

int CeBaseDialog::AddItem(int id, std::string_view utf8, std::intptr_t value)
{
    QWidget* widget = controls_->widget(id);
    const QSignalBlocker blocker(widget);
    if (auto* list = asList(widget)) {
        auto* item = new QListWidgetItem(qt::toQString(utf8));
        item->setData(kValueRole, QVariant::fromValue<qlonglong>(value));
        list->addItem(item);
        list->setCurrentRow(-1);
        return list->count() - 1;
    }
    if (auto* combo = asCombo(widget)) {
        combo->addItem(qt::toQString(utf8), QVariant::fromValue<qlonglong>(value));
        combo->setCurrentIndex(-1);
        return combo->count() - 1;
    }
    return -1;
}

int CeBaseDialog::ItemCount(int id) const
{
    QWidget* widget = controls_->widget(id);
    if (auto* list = asList(widget))
        return list->count();
    if (auto* combo = asCombo(widget))
        return combo->count();
    return 0;
}

std::intptr_t CeBaseDialog::ItemValue(int id, int index) const
{
    QWidget* widget = controls_->widget(id);
    if (auto* list = asList(widget)) {
        const QListWidgetItem* item = list->item(index);
        return item ? static_cast<std::intptr_t>(item->data(kValueRole).value<qlonglong>()) : 0;
    }
    if (auto* combo = asCombo(widget)) {
        if (index < 0 || index >= combo->count())
            return 0;
        return static_cast<std::intptr_t>(combo->itemData(index).value<qlonglong>());
    }
    return 0;
}

int CeBaseDialog::Selection(int id) const
{
    QWidget* widget = controls_->widget(id);
    if (auto* list = asList(widget)) {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->row(selected.first());
    }
    if (auto* combo = asCombo(widget))
        return combo->currentIndex();
    return -1;
}

void CeBaseDialog::SetSelection(int id, int index)
{
    QWidget* widget = controls_->widget(id);
    const QSignalBlocker blocker(widget);
    if (auto* list = asList(widget)) {
        list->clearSelection();
        if (index >= 0 && index < list->count()) {
            list->setCurrentRow(index);
            list->item(index)->setSelected(true);
        } else {
            list->setCurrentRow(-1);
        }
    } else if (auto* combo = asCombo(widget)) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

void CeBaseDialog::SetRowHeight(int id, int pixels)
{
    auto* list = asList(controls_->widget(id));
    if (!list || pixels <= 0)
        return;
    if (auto* delegate = dynamic_cast<OwnerDrawDelegate*>(list->itemDelegate())) {
        delegate->setRowHeight(qt::toLogical(pixels, qt::pixelRatio(list)));
        list->doItemsLayout();
    }
}

int CeBaseDialog::TopIndex(int id) const
{
    auto* list = asList(controls_->widget(id));
    if (!list || list->count() == 0)
        return -1;
    return list->indexAt(QPoint(1, 1)).row();
}

void CeBaseDialog::SetTopIndex(int id, int index)
{
    auto* list = asList(controls_->widget(id));
    if (list && index >= 0 && index < list->count())
        list->scrollToItem(list->item(index), QAbstractItemView::PositionAtTop);
}

void CeBaseDialog::RedrawItem(int id, int index)
{
    auto* list = asList(controls_->widget(id));
    if (list && index >= 0 && index < list->count())
        list->viewport()->update(list->visualItemRect(list->item(index)));
}

int CeBaseDialog::AddTab(int id, std::string_view utf8)
{
    auto* tabs = dynamic_cast<QTabBar*>(controls_->widget(id));
    if (!tabs)
        return -1;
    const QSignalBlocker blocker(tabs);
    return tabs->addTab(qt::toQString(utf8));
}

int CeBaseDialog::TabSelection(int id) const
{
    const auto* tabs = dynamic_cast<const QTabBar*>(controls_->widget(id));
    return tabs ? tabs->currentIndex() : -1;
}

void CeBaseDialog::SetTabSelection(int id, int index)
{
    auto* tabs = dynamic_cast<QTabBar*>(controls_->widget(id));
    if (!tabs)
        return;
    const QSignalBlocker blocker(tabs);
    tabs->setCurrentIndex(index);
}

void CeBaseDialog::SetTextLimit(int id, int maxChars)
{
    if (auto* edit = dynamic_cast<QLineEdit*>(controls_->widget(id)))
        edit->setMaxLength(std::max(1, maxChars));
}

void CeBaseDialog::SetPicture(int id, const Surface* picture)
{
    auto* label = dynamic_cast<QLabel*>(controls_->widget(id));
    if (!label)
        return;
    if (!picture || !picture->IsValid()) {
        label->setPixmap(QPixmap());
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(*picture->image());
    pixmap.setDevicePixelRatio(qt::pixelRatio(label));
    label->setPixmap(pixmap);
}

}  // namespace velmora
