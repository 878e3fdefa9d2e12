// The rules of the current solitaire, shown in the HTML view under the
// title "Game Rules", modal over owner. A game without a description shows
// an empty page.
#pragma once

#include <string_view>

namespace velmora {

class CeBaseWnd;

void ShowRules(CeBaseWnd* owner, std::string_view description);

}  // namespace velmora
