#include "name_shortening.h"

#include <vector>

namespace velmora {
namespace {

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The byte offsets at which the name's characters end, in order.
std::vector<std::size_t> characterEnds(std::string_view name)
{
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i <= name.size(); ++i)
        if (i == name.size() || !isContinuationByte(name[i]))
            ends.push_back(i);
    return ends;
}

}  // namespace

std::string shortenToFit(std::string_view name, const std::function<bool(std::string_view)>& fits)
{
    if (fits(name))
        return std::string(name);
    const std::vector<std::size_t> ends = characterEnds(name);
    // The longest proper prefix first: ends[k - 1] is the length of k characters.
    for (std::size_t kept = ends.empty() ? 0 : ends.size() - 1; kept >= 1; --kept) {
        std::string candidate(name.substr(0, ends[kept - 1]));
        candidate += kEllipsis;
        if (fits(candidate))
            return candidate;
    }
    return std::string(kEllipsis);
}

}  // namespace velmora
