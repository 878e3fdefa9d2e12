// The controls of a dialog and the Qt classes behind them (framework code only).
#pragma once

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTreeWidget>

#include <vector>

#include "dialog.h"

namespace velmora {

// The value a list row or drop-down item carries.
inline constexpr int kValueRole = Qt::UserRole;

inline QListWidget* asList(QWidget* widget) { return dynamic_cast<QListWidget*>(widget); }
inline QComboBox* asCombo(QWidget* widget) { return dynamic_cast<QComboBox*>(widget); }
inline QTreeWidget* asReport(QWidget* widget) { return dynamic_cast<QTreeWidget*>(widget); }

struct ControlEntry {
    ControlKind kind;
    int id;
    QPointer<QWidget> widget;
};

struct CeBaseDialog::Controls {
    std::vector<ControlEntry> entries;
    int baseUnitX = 6;   // device pixels per 4 horizontal dialog units
    int baseUnitY = 13;  // device pixels per 8 vertical dialog units
    FontRequest font;
    QPointer<QScrollBar> scrollBar;
    int scrollPosition = 0;

    ControlEntry* find(int id);
    const ControlEntry* find(int id) const;
    QWidget* widget(int id) const;
};

// Reports focus changes and key presses of a control to its dialog.
class ControlEvents final : public QObject {
public:
    ControlEvents(CeBaseDialog& dialog, int id, QObject* parent) : QObject(parent), dialog_(dialog), id_(id) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    CeBaseDialog& dialog_;
    int id_;
};

// A push button whose face the dialog draws.
class OwnerDrawButton final : public QAbstractButton {
public:
    OwnerDrawButton(CeBaseDialog& dialog, int id, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CeBaseDialog& dialog_;
    int id_;
};

// Draws the rows of an owner-drawn list through the dialog.
class OwnerDrawDelegate final : public QAbstractItemDelegate {
public:
    OwnerDrawDelegate(CeBaseDialog& dialog, int id, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setRowHeight(int logicalPixels) { rowHeight_ = logicalPixels; }

private:
    CeBaseDialog& dialog_;
    int id_;
    int rowHeight_ = 16;
};

// A report view without columns: a flat list of text rows under a header.
QTreeWidget* createReportView(CeBaseDialog& dialog, int id, QWidget* parent);
// Appends a row with utf8 in its first column; its index.
int addReportRow(QTreeWidget& report, std::string_view utf8, std::intptr_t value);

// Sends a notification to the dialog's OnNotify; true when it was handled.
bool notifyDialog(CeBaseDialog& dialog, const ControlNotification& notification);
// Has the dialog draw one owner-drawn item.
void drawDialogItem(CeBaseDialog& dialog, DrawItem& item);

}  // namespace velmora
