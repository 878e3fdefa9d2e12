#include "rules_html.h"

namespace velmora {

namespace {

// A byte that reduces to zero (0x00 or 0x80) is left out: the text travels
// to the viewer zero-terminated, and a zero would end the rules there.
void appendSevenBit(std::u16string& html, std::string_view text)
{
    for (const char c : text) {
        const auto sevenBit = static_cast<char16_t>(static_cast<unsigned char>(c) & 0x7F);
        if (sevenBit != 0)
            html.push_back(sevenBit);
    }
}

}  // namespace

std::u16string rulesHtml(std::string_view description)
{
    std::u16string html;
    html.reserve(description.size());
    std::size_t position = 0;
    for (std::size_t lineFeed = description.find('\n'); lineFeed != std::string_view::npos;
         lineFeed = description.find('\n', position)) {
        appendSevenBit(html, description.substr(position, lineFeed - position));
        html += u"<br>";
        position = lineFeed + 1;
    }
    appendSevenBit(html, description.substr(position));
    return html;
}

}  // namespace velmora
