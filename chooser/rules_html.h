// The HTML text of a solitaire's rules, built from the description of its
// game definition: every line feed becomes a "<br>" and every byte is
// reduced to its low seven bits (a byte that would become zero is left
// out, so the text is never cut short). Markup in the description ("<b>Object</b>")
// passes through unchanged; nothing is escaped.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

std::u16string rulesHtml(std::string_view description);

}  // namespace velmora
