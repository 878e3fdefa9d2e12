#include "utf16_text.h"

namespace velmora {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// What a sequence's first byte says: how many continuation bytes follow,
// the bits it carries and the smallest code point of that length (shorter
// forms of a smaller point are malformed).
struct LeadByte {
    int continuations = -1;  // -1: not a lead byte
    char32_t bits = 0;
    char32_t smallest = 0;
};

LeadByte leadByte(unsigned char byte)
{
    if ((byte & 0xE0) == 0xC0)
        return {1, char32_t{byte} & 0x1F, 0x80};
    if ((byte & 0xF0) == 0xE0)
        return {2, char32_t{byte} & 0x0F, 0x800};
    if ((byte & 0xF8) == 0xF0)
        return {3, char32_t{byte} & 0x07, 0x10000};
    return {};
}

// Decodes the sequence at text[at], advancing at past it; a malformed
// sequence is consumed one byte at a time and reads as U+FFFD.
char32_t decodeUtf8(std::string_view text, std::size_t& at)
{
    const auto first = static_cast<unsigned char>(text[at++]);
    if (first < 0x80)
        return first;
    const LeadByte lead = leadByte(first);
    if (lead.continuations < 0)
        return kReplacement;
    char32_t point = lead.bits;
    std::size_t next = at;
    for (int i = 0; i < lead.continuations; ++i, ++next) {
        if (next >= text.size() || !isContinuation(static_cast<unsigned char>(text[next])))
            return kReplacement;
        point = (point << 6) | (static_cast<unsigned char>(text[next]) & 0x3F);
    }
    if (point < lead.smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return kReplacement;
    at = next;
    return point;
}

void appendUtf8(std::string& text, char32_t point)
{
    if (point < 0x80) {
        text.push_back(static_cast<char>(point));
    } else if (point < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (point >> 6)));
        text.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else if (point < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (point >> 12)));
        text.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (point >> 18)));
        text.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    }
}

}  // namespace

std::u16string utf16FromUtf8(std::string_view utf8)
{
    std::u16string units;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const char32_t point = decodeUtf8(utf8, at);
        if (point < 0x10000) {
            units.push_back(static_cast<char16_t>(point));
        } else {
            units.push_back(static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF)));
        }
    }
    return units;
}

std::string utf8FromUtf16(std::u16string_view utf16)
{
    std::string text;
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        const char16_t unit = utf16[at];
        char32_t point = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < utf16.size() && utf16[at + 1] >= 0xDC00 &&
            utf16[at + 1] <= 0xDFFF) {
            point = 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (utf16[at + 1] - 0xDC00);
            ++at;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            point = kReplacement;
        }
        appendUtf8(text, point);
    }
    return text;
}

}  // namespace velmora
