#include "program_reads.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "opcodes.h"

namespace velmora {
namespace {

constexpr std::uint8_t code(Opcode op) { return static_cast<std::uint8_t>(op); }

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

    bool pushIsComplete(std::size_t position) const
    {
        return position + 2 < program_.size() && byteAt(position + 2) != 0;
    }

    void visit(const Place& place)
    {
        if (byteAt(place.position) != 0 && seen_.insert(place.key()).second)
            open_.push_back(place);
    }

    // Goes on after the marker a jump lands on, as the machine does.
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
            if (pushIsComplete(place.position)) {
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
            landOn(place, scanForward(place.position, Opcode::IF, Opcode::ENDIF, true));
            break;  // and the then-part
        case Opcode::ELSE:
            landOn(place, scanForward(place.position, Opcode::IF, Opcode::ENDIF, false));
            return;
        case Opcode::BREAK:
            landOn(place, scanForward(place.position, Opcode::LOOP, Opcode::ENDLOOP, false));
            return;
        case Opcode::ENDLOOP:
            landOn(place, scanBackToLoop(place.position));
            return;
        case Opcode::SKIP:
            landOn(place, scanToResume(place.position));
            return;
        default:
            break;
        }
        visit(next);
    }

    // The same scans as the machine's jumps; -1 where the jump ends the run.
    bool stepOver(std::size_t& scan) const
    {
        if (byteAt(scan) != code(Opcode::PUSH)) {
            ++scan;
            return true;
        }
        if (!pushIsComplete(scan))
            return false;
        scan += kPushLength;
        return true;
    }

    std::int64_t scanForward(std::size_t from, Opcode open, Opcode close, bool stopAtElse) const
    {
        int level = 1;
        std::size_t scan = from;
        for (;;) {
            if (!stepOver(scan))
                return -1;
            const std::uint8_t byte = byteAt(scan);
            if (byte == 0 || (byte == code(close) && --level == 0) ||
                (stopAtElse && byte == code(Opcode::ELSE) && level == 1))
                return static_cast<std::int64_t>(scan);
            if (byte == code(open))
                ++level;
        }
    }

    std::int64_t scanBackToLoop(std::size_t from) const
    {
        int nested = 0;
        std::size_t scan = from;
        while (scan > 0) {
            --scan;
            const std::uint8_t byte = byteAt(scan);
            if (byte == code(Opcode::PUSH)) {
                if (scan < kPushLength - 1)
                    break;
                scan -= kPushLength - 1;
            } else if (byte == code(Opcode::ENDLOOP)) {
                ++nested;
            } else if (byte == code(Opcode::LOOP)) {
                if (nested == 0)
                    return static_cast<std::int64_t>(scan);
                --nested;
            }
        }
        return -1;
    }

    std::int64_t scanToResume(std::size_t from) const
    {
        std::size_t scan = from;
        for (;;) {
            if (!stepOver(scan))
                return -1;
            const std::uint8_t byte = byteAt(scan);
            if (byte == code(Opcode::CLAUSE))
                return -1;
            if (byte == 0 || byte == code(Opcode::RESUME))
                return static_cast<std::int64_t>(scan);
        }
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
