#include "program_reads.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "jump_landings.h"
#include "opcodes.h"

namespace velmora {
namespace {

// Where a walk of the program may be: the position, the current sequence and
// both cursors (kDeepRead for any deeper).
struct Place {
    std::size_t position;
    int current;
    std::array<int, 2> cursors;
    auto key() const { return std::make_tuple(position, current, cursors[0], cursors[1]); }
};

class Walk {
public:
    explicit Walk(std::string_view program) : program_(program) {}

    std::array<int, 2> deepestReads()
    {
        visit(Place{0, 0, {0, 0}});
        while (!open_.empty()) {
            const Place place = open_.back();
            open_.pop_back();
            step(place);
        }
        return deepest_;
    }

private:
    std::uint8_t byteAt(std::size_t position) const
    {
        return position < program_.size() ? static_cast<std::uint8_t>(program_[position]) : 0;
    }

    void visit(const Place& place)
    {
        if (byteAt(place.position) != 0 && seen_.insert(place.key()).second)
            open_.push_back(place);
    }

    // Goes on after the marker a jump lands on, as the machine does; a
    // landing that ends the run ends this path.
    void landOn(Place place, std::int64_t landing)
    {
        if (landing < 0 || byteAt(static_cast<std::size_t>(landing)) == 0)
            return;
        place.position = static_cast<std::size_t>(landing) + 1;
        visit(place);
    }

    void step(Place place)
    {
        const std::uint8_t op = byteAt(place.position);
        Place next = place;
        next.position = place.position + 1;
        int& cursor = next.cursors[static_cast<std::size_t>(place.current)];
        switch (static_cast<Opcode>(op)) {
        case Opcode::PUSH:
            if (pushIsComplete(program_, place.position)) {
                next.position = place.position + kPushLength;
                visit(next);
            }
            return;
        case Opcode::RANK:
        case Opcode::SUIT:
            deepest_[static_cast<std::size_t>(place.current)] =
                std::max(deepest_[static_cast<std::size_t>(place.current)], cursor);
            break;
        case Opcode::NEXT: cursor = std::min(cursor + 1, kDeepRead); break;
        case Opcode::RESET: cursor = 0; break;
        case Opcode::SWITCH: next.current = 1 - place.current; break;
        case Opcode::IF:
            landOn(place, jumpLanding(program_, place.position, op));
            break;  // and the then-part
        case Opcode::ELSE:
        case Opcode::BREAK:
        case Opcode::ENDLOOP:
        case Opcode::SKIP:
            landOn(place, jumpLanding(program_, place.position, op));
            return;
        default:
            break;
        }
        visit(next);
    }

    std::string_view program_;
    std::vector<Place> open_;
    std::set<std::tuple<std::size_t, int, int, int>> seen_;
    std::array<int, 2> deepest_ = {-1, -1};
};

}  // namespace

int deepestPossibleRead(std::string_view program, int sequence)
{
    return Walk(program).deepestReads()[static_cast<std::size_t>(sequence == 0 ? 0 : 1)];
}

}  // namespace velmora
