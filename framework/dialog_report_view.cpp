// Report views: flat lists of text rows in columns under a header. The
// dialog adds the columns when it opens and places them again when it is
// resized; the rows are plain texts, one per column.
#include <QHeaderView>
#include <QSignalBlocker>

#include "dialog_internal.h"
#include "qt_convert.h"

namespace velmora {

namespace {

Qt::Alignment cellAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TextAlign::right:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

bool isColumn(const QTreeWidget* report, int column)
{
    return report && column >= 0 && column < report->columnCount();
}

}  // namespace

QTreeWidget* createReportView(CeBaseDialog& dialog, int id, QWidget* parent)
{
    auto* report = new QTreeWidget(parent);
    report->setColumnCount(0);
    report->setRootIsDecorated(false);
    report->setItemsExpandable(false);
    report->setIndentation(0);
    report->setUniformRowHeights(true);
    report->setSelectionMode(QAbstractItemView::SingleSelection);
    report->setSelectionBehavior(QAbstractItemView::SelectRows);
    report->setEditTriggers(QAbstractItemView::NoEditTriggers);
    report->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    report->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    report->header()->setStretchLastSection(false);
    report->header()->setSectionsMovable(false);
    report->header()->setSectionResizeMode(QHeaderView::Fixed);
    QObject::connect(report, &QTreeWidget::itemSelectionChanged, [&dialog, report, id] {
        const int row = report->indexOfTopLevelItem(report->currentItem());
        notifyDialog(dialog, ControlNotification{id, ControlEvent::selectionChanged, row, 0});
    });
    QObject::connect(report, &QTreeWidget::itemClicked, [&dialog, report, id](QTreeWidgetItem* item, int) {
        notifyDialog(dialog, ControlNotification{id, ControlEvent::activated, report->indexOfTopLevelItem(item), 0});
    });
    return report;
}

int CeBaseDialog::AddColumn(int id, std::string_view title, int width, TextAlign align)
{
    auto* report = asReport(controls_->widget(id));
    if (!report)
        return -1;
    const int column = report->columnCount();
    report->setColumnCount(column + 1);
    QTreeWidgetItem* header = report->headerItem();
    header->setText(column, qt::toQString(title));
    header->setTextAlignment(column, cellAlignment(align));
    // Rows added before the column take its alignment too.
    for (int row = 0; row < report->topLevelItemCount(); ++row)
        report->topLevelItem(row)->setTextAlignment(column, cellAlignment(align));
    SetColumnWidth(id, column, width);
    return column;
}

void CeBaseDialog::SetColumnWidth(int id, int column, int pixels)
{
    auto* report = asReport(controls_->widget(id));
    if (isColumn(report, column))
        report->setColumnWidth(column, qt::toLogical(std::max(0, pixels), qt::pixelRatio(report)));
}

int CeBaseDialog::ColumnWidth(int id, int column) const
{
    const auto* report = asReport(controls_->widget(id));
    return isColumn(report, column) ? qt::toDevice(report->columnWidth(column), qt::pixelRatio(report)) : 0;
}

std::string CeBaseDialog::ColumnTitle(int id, int column) const
{
    const auto* report = asReport(controls_->widget(id));
    return isColumn(report, column) ? qt::toUtf8(report->headerItem()->text(column)) : std::string();
}

void CeBaseDialog::SetItemText(int id, int row, int column, std::string_view utf8)
{
    auto* report = asReport(controls_->widget(id));
    if (!isColumn(report, column))
        return;
    if (QTreeWidgetItem* item = report->topLevelItem(row))
        item->setText(column, qt::toQString(utf8));
}

std::string CeBaseDialog::ItemText(int id, int row, int column) const
{
    const auto* report = asReport(controls_->widget(id));
    if (!isColumn(report, column))
        return {};
    const QTreeWidgetItem* item = report->topLevelItem(row);
    return item ? qt::toUtf8(item->text(column)) : std::string();
}

// The rows of a report view as the general list calls see them.
int addReportRow(QTreeWidget& report, std::string_view utf8, std::intptr_t value)
{
    const QSignalBlocker blocker(&report);
    auto* item = new QTreeWidgetItem;
    const QTreeWidgetItem* header = report.headerItem();
    for (int column = 0; column < report.columnCount(); ++column)
        item->setTextAlignment(column, Qt::Alignment(header->textAlignment(column)));
    item->setText(0, qt::toQString(utf8));
    item->setData(0, kValueRole, QVariant::fromValue<qlonglong>(value));
    report.addTopLevelItem(item);
    return report.topLevelItemCount() - 1;
}

}  // namespace velmora
