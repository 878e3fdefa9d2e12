#include "sheet_layout.h"

#include <algorithm>
#include <array>

namespace velmora::artwork {
namespace {

constexpr int kLabelScale = 2;
constexpr int kLabelHeight = 5 * kLabelScale + 4;

constexpr std::array<const char*, 10> kDigits{
    "###"
    "#.#"
    "#.#"
    "#.#"
    "###",
    ".#."
    "##."
    ".#."
    ".#."
    "###",
    "###"
    "..#"
    "###"
    "#.."
    "###",
    "###"
    "..#"
    ".##"
    "..#"
    "###",
    "#.#"
    "#.#"
    "###"
    "..#"
    "..#",
    "###"
    "#.."
    "###"
    "..#"
    "###",
    "###"
    "#.."
    "###"
    "#.#"
    "###",
    "###"
    "..#"
    ".#."
    ".#."
    ".#.",
    "###"
    "#.#"
    "###"
    "#.#"
    "###",
    "###"
    "#.#"
    "###"
    "..#"
    "###",
};

}  // namespace

SheetLayout::SheetLayout(int maxWidth, int gap, Rgb background)
    : maxWidth_(maxWidth), gap_(gap), background_(background), x_(gap), y_(gap)
{
}

void SheetLayout::add(const Image& picture, int label)
{
    if (x_ > gap_ && x_ + picture.width() + gap_ > maxWidth_)
        newRow();
    placed_.push_back({picture, x_, y_, label});
    x_ += picture.width() + gap_;
    rowHeight_ = std::max(rowHeight_, picture.height() + (label >= 0 ? kLabelHeight : 0));
}

void SheetLayout::newRow()
{
    y_ += rowHeight_ + gap_;
    x_ = gap_;
    rowHeight_ = 0;
}

Image SheetLayout::finish() const
{
    int width = 0;
    int height = 0;
    for (const Placed& item : placed_) {
        width = std::max(width, item.x + item.picture.width() + gap_);
        height = std::max(height, item.y + item.picture.height() + kLabelHeight + gap_);
    }
    Image sheet(width, height, background_);
    for (const Placed& item : placed_) {
        sheet.copy(item.picture, item.x, item.y);
        if (item.label >= 0)
            printNumber(sheet, item.x, item.y + item.picture.height() + 3, item.label, kLabelScale, kBlack);
    }
    return sheet;
}

void printNumber(Image& target, int x, int y, int number, int scale, Rgb colour)
{
    const std::string text = std::to_string(number);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* glyph = kDigits[static_cast<std::size_t>(text[i] - '0')];
        const int left = x + static_cast<int>(i) * 4 * scale;
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 3; ++column)
                if (glyph[row * 3 + column] == '#')
                    target.fillRect(left + column * scale, y + row * scale, scale, scale, colour);
    }
}

}  // namespace velmora::artwork
