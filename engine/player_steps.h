// Player steps as the game field takes them, and their text form.
//
// A step is one tap on a pile or one card move (the card and the cards above
// it onto a pile). applyStep performs a step exactly as the game field does:
// the legality question first, then the move or tap, then the automatic
// events. The text form lists steps separated by ';':
//   t P     tap pile P
//   m C P   move card C and the cards above it onto pile P
//   u       undo one player step (parsed form only)
// Numbers are decimal. Spaces around steps and between fields are allowed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "change_sink.h"
#include "record_layout.h"

namespace velmora {

class Engine;
struct Move;

struct Step {
    enum Kind : std::uint8_t { tap, move };
    Kind kind = tap;
    std::uint16_t pile = kNone;         // the tapped pile (taps)
    std::uint16_t card = kNone;         // the picked card (moves)
    std::uint16_t destination = kNone;  // the target pile (moves)

    static Step tapOn(std::uint16_t pile) { return Step{tap, pile, kNone, kNone}; }
    static Step moveOnto(std::uint16_t card, std::uint16_t destination)
    {
        return Step{move, kNone, card, destination};
    }
    friend bool operator==(const Step&, const Step&) = default;
};

// A step of the text form, which may also ask for an undo.
struct ParsedStep {
    enum Kind : std::uint8_t { tap, move, undo };
    Kind kind = tap;
    Step step;  // the tap or move; unused for an undo
    friend bool operator==(const ParsedStep&, const ParsedStep&) = default;
};

// The step that plays a legal move of Engine::forEachMove.
Step stepFor(const Move& move);

std::string formatStep(const Step& step);
std::string formatSteps(const std::vector<Step>& steps);
std::string formatSteps(const std::vector<ParsedStep>& steps);

// Reads the text form into steps. On bad text returns false, leaves steps
// empty and names the bad step (its number from 1 and its text) in error.
// Empty or blank text is no steps.
bool parseSteps(std::string_view text, std::vector<ParsedStep>& steps, std::string& error);

// Takes one player step. A move needs canPickUp and canReach on its card and
// then a successful moveCards; a tap needs canTap, and then counts as taken
// even if its actions found nothing to change, as the game field counts it.
// After either, the automatic events run. False, with nothing changed, when the step
// is not legal or the game is already won.
bool applyStep(Engine& engine, const Step& step, ChangeSink* sink);

// applyStep without its questions, for a step already known to be legal in
// the current state (the solver's listed moves): the tap or the move (whose
// drop the engine still checks), then the automatic events.
bool performStep(Engine& engine, const Step& step, ChangeSink* sink);

// As applyStep; an undo step undoes the last player step and is false when
// there is nothing to undo.
bool applyParsedStep(Engine& engine, const ParsedStep& step, ChangeSink* sink);

}  // namespace velmora
