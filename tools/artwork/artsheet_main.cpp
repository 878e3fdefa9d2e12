// velmora-artsheet: contact sheets of the shipped artwork, to look at.
//
//   velmora-artsheet standard|vga bitmaps|icons|faces-normal|faces-large OUTPUT.png [SCALE]
//
// "bitmaps" shows every bitmap of the configuration with its id on grey;
// "icons" shows the chooser, toolbar, logo and program icons as they are,
// then copied with their transparent colour onto white and onto a
// selection blue;
// the faces pages put all 52 faces, the backs, fanned piles and the marks of
// empty piles together on the green table as the game field does. Every
// pixel is enlarged SCALE times (default 4 for standard, 2 for VGA).
#include <iostream>
#include <optional>
#include <string>

#include "artwork_entries.h"
#include "bitmap_format.h"
#include "card_face.h"
#include "png_writer.h"
#include "sheet_layout.h"

namespace {

using namespace velmora::artwork;

constexpr Rgb kTable = rgb(0x008000);

BitmapsById decodeAll(std::span<const Entry> entries)
{
    BitmapsById bitmaps;
    for (const Entry& entry : entries) {
        const auto image = decodeBitmap(entry.bytes);
        if (!image)
            throw std::runtime_error("damaged bitmap " + std::to_string(entry.id));
        if (entry.type == "BITMAP")
            bitmaps.emplace(entry.id, *image);
    }
    return bitmaps;
}

Image bitmapsPage(std::span<const Entry> entries, int scale)
{
    SheetLayout layout(1400, 6, rgb(0xC8C8C8));
    for (const Entry& entry : entries) {
        const auto image = decodeBitmap(entry.bytes);
        if (image)
            layout.add(image->enlarged(scale), entry.id);
    }
    return layout.finish();
}

bool isIcon(const Entry& entry)
{
    return entry.type == "ICON" || (entry.id >= 245 && entry.id < 300) || entry.id == 500 || entry.id == 501;
}

// The logo is shown opaque; the reset icons and the toolbar leave white
// out, the rest of the chooser's icons and the program icon pure green.
std::optional<Rgb> transparentColour(const Entry& entry)
{
    if (entry.type == "BITMAP" && (entry.id == 245 || entry.id == 246))
        return std::nullopt;
    if (entry.type == "BITMAP" && (entry.id == 290 || entry.id == 291 || entry.id >= 500))
        return kWhite;
    return rgb(0x00FF00);
}

Image iconsPage(std::span<const Entry> entries, int scale)
{
    SheetLayout layout(1400, 6, rgb(0xC8C8C8));
    for (const Entry& entry : entries) {
        const auto image = decodeBitmap(entry.bytes);
        if (!image || !isIcon(entry))
            continue;
        layout.add(image->enlarged(scale), entry.id);
        for (const Rgb ground : {kWhite, rgb(0x316AC5)}) {
            Image shown(image->width(), image->height(), ground);
            if (const auto key = transparentColour(entry))
                shown.copyTransparent(*image, 0, 0, *key);
            else
                shown.copy(*image, 0, 0);
            layout.add(shown.enlarged(scale));
        }
    }
    return layout.finish();
}

Image facesPage(const BitmapsById& bitmaps, const ConfigurationIds& ids, bool large, int scale)
{
    const CardSizeIds& card = large ? ids.large : ids.normal;
    const int unit = ids.unit;
    const int step = (large ? 12 : 9) * unit;
    const int gap = 3 * unit;
    const int w = card.cardWidth;
    const int h = card.cardHeight;
    const int gridWidth = 13 * (w + gap);
    Image table(gap + gridWidth + 2 * (w + gap), gap + 6 * (h + gap), kTable);
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            table.copy(cardFace(bitmaps, unit, card, suit, rank), gap + rank * (w + gap), gap + suit * (h + gap));
    // Two fanned columns, as in a tableau: spades ace upwards, hearts king downwards.
    for (int i = 0; i < 13; ++i) {
        table.copy(cardFace(bitmaps, unit, card, 0, i), gap + gridWidth, gap + i * step);
        table.copy(cardFace(bitmaps, unit, card, 3 - (i % 2) * 2, 12 - i), gap + gridWidth + w + gap, gap + i * step);
    }
    const int lowY = gap + 4 * (h + gap);
    for (int design = 0; design < 4; ++design)
        table.copy(cardBackFace(bitmaps, card, design), gap + design * (w + gap), lowY);
    drawRedealPileMark(table, gap + 4 * (w + gap), lowY, bitmaps, ids, card, 0);
    drawRedealPileMark(table, gap + 5 * (w + gap), lowY, bitmaps, ids, card, 1);
    drawEmptyPileMark(table, gap + 6 * (w + gap), lowY, bitmaps, unit, card, -1, -1);
    for (int suit = 0; suit < 4; ++suit)
        drawEmptyPileMark(table, gap + (7 + suit) * (w + gap), lowY, bitmaps, unit, card, -1, suit);
    const int marksY = lowY + h + gap;
    for (int rank = 0; rank < 13; ++rank)
        drawEmptyPileMark(table, gap + rank * (w + gap), marksY, bitmaps, unit, card, rank, rank % 4);
    return table.enlarged(scale);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string configuration = argc >= 4 ? argv[1] : "";
    const std::string page = argc >= 4 ? argv[2] : "";
    if ((configuration != "standard" && configuration != "vga") ||
        (page != "bitmaps" && page != "icons" && page != "faces-normal" && page != "faces-large") || argc > 5) {
        std::cerr << "usage: velmora-artsheet standard|vga bitmaps|icons|faces-normal|faces-large OUTPUT.png [SCALE]\n";
        return 2;
    }
    const bool vga = configuration == "vga";
    const int scale = argc == 5 ? std::stoi(argv[4]) : (vga ? 2 : 4);
    if (scale < 1 || scale > 16) {
        std::cerr << "velmora-artsheet: SCALE must be 1 to 16\n";
        return 2;
    }
    try {
        const auto entries = vga ? vgaEntries() : standardEntries();
        const BitmapsById bitmaps = decodeAll(entries);
        const ConfigurationIds& ids = vga ? kVgaCardIds : kStandardCardIds;
        const Image sheet = page == "bitmaps" ? bitmapsPage(entries, scale)
                            : page == "icons" ? iconsPage(entries, scale)
                                              : facesPage(bitmaps, ids, page == "faces-large", scale);
        if (!writePng(sheet, argv[3])) {
            std::cerr << "velmora-artsheet: cannot write " << argv[3] << '\n';
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "velmora-artsheet: " << error.what() << '\n';
        return 1;
    }
}
