#include "system_colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace velmora {

namespace {

// The application palette's colour; the fallback when no application exists.
Colour paletteColour(QPalette::ColorRole role, Colour fallback)
{
    if (!QGuiApplication::instance())
        return fallback;
    const QColor colour = QGuiApplication::palette().color(QPalette::Active, role);
    return rgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace

Colour highlightColour() { return paletteColour(QPalette::Highlight, 0x0A246A); }
Colour highlightTextColour() { return paletteColour(QPalette::HighlightedText, 0xFFFFFF); }
Colour windowColour() { return paletteColour(QPalette::Base, 0xFFFFFF); }
Colour windowTextColour() { return paletteColour(QPalette::Text, 0x000000); }

}  // namespace velmora
