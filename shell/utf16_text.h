// Conversions between the UTF-8 text the windows show and the UTF-16 names
// the records keep. Malformed input never fails: each bad sequence or lone
// surrogate becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

std::u16string utf16FromUtf8(std::string_view utf8);
std::string utf8FromUtf16(std::u16string_view utf16);

}  // namespace velmora
