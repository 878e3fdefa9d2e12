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

// The same walk, also following the stack: which entries hold a value read
// below the first element of the watched sequence ("deep"). It fails on the
// first deep value used for anything but a test for 0, a copy or a drop.
class DeepValueWalk {
public:
    DeepValueWalk(std::string_view program, int watched) : program_(program), watched_(watched) {}

    bool onlyTestedForZero()
    {
        visit(State{0, 0, {0, 0}, 0, 0});
        while (ok_ && !open_.empty()) {
            const State state = open_.back();
            open_.pop_back();
            step(state);
        }
        return ok_;
    }

private:
    static constexpr int kLargestStack = 48;

    struct State {
        std::size_t position;
        int current;
        std::array<int, 2> cursors;
        int depth;
        std::uint64_t deep;  // bit k: stack entry k (from the bottom) is deep
        auto key() const { return std::make_tuple(position, current, cursors[0], cursors[1], depth, deep); }
    };

    std::uint8_t byteAt(std::size_t position) const
    {
        return position < program_.size() ? static_cast<std::uint8_t>(program_[position]) : 0;
    }

    bool topIsDeep(const State& s) const { return s.depth > 0 && (s.deep >> (s.depth - 1) & 1); }
    bool anyDeep(const State& s, int entries) const
    {
        for (int k = std::max(0, s.depth - entries); k < s.depth; ++k)
            if (s.deep >> k & 1)
                return true;
        return false;
    }

    void visit(const State& state)
    {
        if (byteAt(state.position) == 0) {
            ok_ = ok_ && !topIsDeep(state);  // the answer is the top
            return;
        }
        if (state.depth > kLargestStack) {
            ok_ = false;
            return;
        }
        if (seen_.insert(state.key()).second)
            open_.push_back(state);
    }

    void landOn(const State& state, std::int64_t landing)
    {
        if (landing == kStopRun)
            ok_ = ok_ && !topIsDeep(state);
        if (landing < 0 || byteAt(static_cast<std::size_t>(landing)) == 0) {
            ok_ = ok_ && (landing < 0 || !topIsDeep(state));
            return;
        }
        State next = state;
        next.position = static_cast<std::size_t>(landing) + 1;
        visit(next);
    }

    static void push(State& s, bool deep)
    {
        s.deep = (s.deep & ~(std::uint64_t{1} << s.depth)) | (std::uint64_t{deep} << s.depth);
        ++s.depth;
    }

    void step(State state)
    {
        const auto op = static_cast<Opcode>(byteAt(state.position));
        State next = state;
        next.position = state.position + 1;
        int& cursor = next.cursors[static_cast<std::size_t>(state.current)];
        switch (op) {
        case Opcode::PUSH:
            if (!pushIsComplete(program_, state.position))
                return;
            next.position = state.position + kPushLength;
            push(next, false);
            break;
        case Opcode::RANK:
        case Opcode::SUIT:
            push(next, state.current == watched_ && cursor > 0);
            break;
        case Opcode::NEXT: cursor = std::min(cursor + 1, kDeepRead); break;
        case Opcode::RESET: cursor = 0; break;
        case Opcode::SWITCH: next.current = 1 - state.current; break;
        case Opcode::DUP:
            if (state.depth == 0)
                return;
            push(next, topIsDeep(state));
            break;
        case Opcode::DROP:
            if (state.depth == 0)
                return;
            --next.depth;
            break;
        case Opcode::SWAP:
            if (state.depth >= 2) {
                const std::uint64_t a = state.deep >> (state.depth - 1) & 1, b = state.deep >> (state.depth - 2) & 1;
                next.deep = (next.deep & ~(std::uint64_t{3} << (state.depth - 2))) | (a << (state.depth - 2)) |
                            (b << (state.depth - 1));
            }
            break;
        case Opcode::ADD:
        case Opcode::SUB:
        case Opcode::MUL:
        case Opcode::DIV:
            if (state.depth < 2)
                break;  // does nothing
            if (anyDeep(state, 2)) {
                ok_ = false;
                return;
            }
            --next.depth;
            break;
        case Opcode::ABS:
        case Opcode::MOD2:
            if (topIsDeep(state)) {
                ok_ = false;
                return;
            }
            break;
        case Opcode::IF:
            if (state.depth == 0)
                return;
            --next.depth;
            landOn(next, jumpLanding(program_, state.position, static_cast<std::uint8_t>(op)));
            break;  // and the then-part
        case Opcode::ELSE:
        case Opcode::BREAK:
        case Opcode::ENDLOOP:
        case Opcode::SKIP:
            landOn(state, jumpLanding(program_, state.position, static_cast<std::uint8_t>(op)));
            return;
        case Opcode::ROTDOWN:
        case Opcode::ROTUP:
        case Opcode::STOREPAIR:
        case Opcode::STORELIST:
        case Opcode::LOADLIST:
            // Whole-stack and list moves are not followed: only safe with no
            // deep value anywhere, and then the stack's shape is unknown.
            ok_ = false;
            return;
        default:
            break;
        }
        visit(next);
    }

    std::string_view program_;
    int watched_;
    bool ok_ = true;
    std::vector<State> open_;
    std::set<std::tuple<std::size_t, int, int, int, int, std::uint64_t>> seen_;
};

}  // namespace

bool readsUnderTheFirstOnlyForLength(std::string_view program, int sequence)
{
    return DeepValueWalk(program, sequence == 0 ? 0 : 1).onlyTestedForZero();
}

int deepestPossibleRead(std::string_view program, int sequence)
{
    return Walk(program).deepestReads()[static_cast<std::size_t>(sequence == 0 ? 0 : 1)];
}

}  // namespace velmora
