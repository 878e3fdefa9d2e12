#include "colour_chooser.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>

#include "qt_convert.h"

namespace velmora {

namespace {

constexpr int kColumns = 8;
constexpr int kRows = 6;
constexpr int kStandardColours = kColumns * kRows;
// The swatch of the colour the chooser opened with, after the standard ones.
constexpr int kCurrentSwatch = kStandardColours;
constexpr int kSwatches = kStandardColours + 1;

// Sizes in logical pixels, which are 1/96 inch: the box keeps its size on
// the handheld's screen in both configurations.
constexpr int kSwatchWidth = 20;
constexpr int kSwatchHeight = 16;
constexpr int kGap = 3;
constexpr int kMargin = 6;
// Room round the swatches for the selection's frame.
constexpr int kFrame = 2;

// The standard colours and the current one, laid out as the platform's own
// chooser lays them: the standard colours column by column, six to a
// column, and the current colour on a row of its own below them, two
// swatches wide.
class SwatchGrid final : public QWidget {
public:
    SwatchGrid(Colour current, QWidget* parent) : QWidget(parent), selected_(kCurrentSwatch)
    {
        for (int index = 0; index < kStandardColours; ++index)
            colours_[static_cast<std::size_t>(index)] = qt::toQColor(chooserStandardColours()[static_cast<std::size_t>(index)]);
        colours_[kCurrentSwatch] = qt::toQColor(current);
        setFocusPolicy(Qt::StrongFocus);
        setFixedSize(kColumns * kSwatchWidth + (kColumns - 1) * kGap + 2 * kFrame,
                     (kRows + 1) * (kSwatchHeight + kGap) + kGap + 2 * kFrame);
    }

    Colour selectedColour() const
    {
        const QColor& colour = colours_[static_cast<std::size_t>(selected_)];
        return rgb(colour.red(), colour.green(), colour.blue());
    }

    std::function<void()> onConfirm;  // a double tap on a swatch

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int index = 0; index < kSwatches; ++index) {
            const QRect swatch = swatchRect(index);
            painter.fillRect(swatch, colours_[static_cast<std::size_t>(index)]);
            painter.setPen(QColor(0x80, 0x80, 0x80));
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        }
        // Black round the selected swatch and white inside it: seen on every
        // colour.
        const QRect selected = swatchRect(selected_);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(selected.adjusted(-1, -1, 0, 0));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(selected.adjusted(1, 1, -2, -2));
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            select(swatchAt(event->position().toPoint()));
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || swatchAt(event->position().toPoint()) < 0)
            return;
        select(swatchAt(event->position().toPoint()));
        if (onConfirm)
            onConfirm();
    }

    // The direction keys move the selection; every other key (Return,
    // Escape) goes on to the box.
    void keyPressEvent(QKeyEvent* event) override
    {
        const int next = neighbour(event->key());
        if (next < 0) {
            QWidget::keyPressEvent(event);
            return;
        }
        select(next);
        event->accept();
    }

private:
    QRect swatchRect(int index) const
    {
        if (index == kCurrentSwatch)
            return QRect(kFrame, kFrame + kRows * (kSwatchHeight + kGap) + kGap, 2 * kSwatchWidth + kGap,
                         kSwatchHeight);
        const int column = index / kRows;
        const int row = index % kRows;
        return QRect(kFrame + column * (kSwatchWidth + kGap), kFrame + row * (kSwatchHeight + kGap), kSwatchWidth,
                     kSwatchHeight);
    }

    int swatchAt(QPoint point) const
    {
        for (int index = 0; index < kSwatches; ++index)
            if (swatchRect(index).contains(point))
                return index;
        return -1;
    }

    // The swatch a direction key leads to from the selected one, -1 for a
    // key that is no direction. Down from the last row reaches the current
    // colour, and Up from it the first column's last row.
    int neighbour(int key) const
    {
        const bool onCurrent = selected_ == kCurrentSwatch;
        const int column = onCurrent ? 0 : selected_ / kRows;
        const int row = onCurrent ? kRows : selected_ % kRows;
        const auto at = [](int c, int r) { return r == kRows ? kCurrentSwatch : c * kRows + r; };
        switch (key) {
        case Qt::Key_Left:
            return onCurrent ? selected_ : at(std::max(column - 1, 0), row);
        case Qt::Key_Right:
            return onCurrent ? selected_ : at(std::min(column + 1, kColumns - 1), row);
        case Qt::Key_Up:
            return at(column, std::max(row - 1, 0));
        case Qt::Key_Down:
            return at(column, std::min(row + 1, kRows));
        default:
            return -1;
        }
    }

    void select(int index)
    {
        if (index < 0 || index == selected_)
            return;
        selected_ = index;
        update();
    }

    std::array<QColor, kSwatches> colours_;
    int selected_;
};

class ColourChooserBox final : public QDialog {
public:
    ColourChooserBox(Colour current, QWidget* window) : QDialog(window), window_(window)
    {
        setWindowTitle(QCoreApplication::translate("QColorDialog", "Select Color"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
        layout->setSpacing(kMargin);
        grid_ = new SwatchGrid(current, this);
        grid_->onConfirm = [this] { accept(); };
        layout->addWidget(grid_, 0, Qt::AlignHCenter);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setDefault(true);
        QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        grid_->setFocus();
    }

    Colour selectedColour() const { return grid_->selectedColour(); }

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        placeOverWindow();
    }

private:
    // Centred over the window, its frame kept inside the window's frame (or
    // the screen's when there is no window).
    void placeOverWindow()
    {
        QRect area;
        if (window_)
            area = window_->frameGeometry();
        else if (const QScreen* screen = this->screen())
            area = screen->availableGeometry();
        if (area.isEmpty())
            return;
        const QSize frame = frameGeometry().size() - size();
        const QSize outer = size() + frame;
        const int left = area.left() + std::max(0, (area.width() - outer.width()) / 2);
        const int top = area.top() + std::max(0, (area.height() - outer.height()) / 2);
        move(left, top);
    }

    QWidget* window_;
    SwatchGrid* grid_ = nullptr;
};

}  // namespace

const std::array<Colour, 48>& chooserStandardColours()
{
    static const std::array<Colour, 48> colours = [] {
        std::array<Colour, 48> standard{};
        for (int index = 0; index < kStandardColours; ++index) {
            const QColor colour = QColorDialog::standardColor(index);
            standard[static_cast<std::size_t>(index)] = rgb(colour.red(), colour.green(), colour.blue());
        }
        return standard;
    }();
    return colours;
}

std::optional<Colour> runColourChooser(QWidget* window, Colour current)
{
    ColourChooserBox box(current, window);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.selectedColour();
}

}  // namespace velmora
