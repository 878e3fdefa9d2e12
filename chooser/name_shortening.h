// Fitting a game's name into its row of the game list: a name too wide is
// cut after as many whole characters as fit together with "…".
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // U+2026

// The name itself when fits() accepts it; else its first n - 1, n - 2, ...
// characters followed by "…", the longest that fits; "…" alone when even
// one character and "…" do not fit. Names are UTF-8 and are only ever cut
// between characters.
std::string shortenToFit(std::string_view name, const std::function<bool(std::string_view)>& fits);

}  // namespace velmora
