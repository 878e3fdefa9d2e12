#include "player_steps.h"

#include <algorithm>
#include <charconv>

#include "engine.h"

namespace velmora {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> found;
    while (!(text = trimmed(text)).empty()) {
        const auto end = std::min(text.find_first_of(kBlanks), text.size());
        found.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return found;
}

// A pile or card number: decimal, below kNone, which means "no pile".
bool readNumber(std::string_view word, std::uint16_t& value)
{
    unsigned parsed = 0;
    const auto [end, fault] = std::from_chars(word.data(), word.data() + word.size(), parsed);
    if (fault != std::errc{} || end != word.data() + word.size() || parsed >= kNone)
        return false;
    value = static_cast<std::uint16_t>(parsed);
    return true;
}

// Reads one step; on failure returns what is wrong with it.
std::string readStep(std::string_view text, ParsedStep& step)
{
    const std::vector<std::string_view> fields = words(text);
    if (fields.empty())
        return "the step is empty";
    const std::string_view kind = fields[0];
    if (kind == "u") {
        if (fields.size() != 1)
            return "an undo takes no numbers (\"u\")";
        step = ParsedStep{ParsedStep::undo, {}};
        return {};
    }
    if (kind == "t") {
        std::uint16_t pile = 0;
        if (fields.size() != 2 || !readNumber(fields[1], pile))
            return "a tap needs one pile number (\"t P\")";
        step = ParsedStep{ParsedStep::tap, Step::tapOn(pile)};
        return {};
    }
    if (kind == "m") {
        std::uint16_t card = 0;
        std::uint16_t pile = 0;
        if (fields.size() != 3 || !readNumber(fields[1], card) || !readNumber(fields[2], pile))
            return "a move needs a card number and a pile number (\"m C P\")";
        step = ParsedStep{ParsedStep::move, Step::moveOnto(card, pile)};
        return {};
    }
    return "unknown step kind \"" + std::string(kind) + "\" (use t, m or u)";
}

}  // namespace

Step stepFor(const Move& move)
{
    return move.isTap ? Step::tapOn(move.pile) : Step::moveOnto(move.card, move.destination);
}

std::string formatStep(const Step& step)
{
    if (step.kind == Step::tap)
        return "t " + std::to_string(step.pile);
    return "m " + std::to_string(step.card) + " " + std::to_string(step.destination);
}

std::string formatSteps(const std::vector<Step>& steps)
{
    std::string text;
    for (const Step& step : steps) {
        if (!text.empty())
            text += ';';
        text += formatStep(step);
    }
    return text;
}

std::string formatSteps(const std::vector<ParsedStep>& steps)
{
    std::string text;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i > 0)
            text += ';';
        text += steps[i].kind == ParsedStep::undo ? std::string("u") : formatStep(steps[i].step);
    }
    return text;
}

bool parseSteps(std::string_view text, std::vector<ParsedStep>& steps, std::string& error)
{
    steps.clear();
    error.clear();
    if (trimmed(text).empty())
        return true;
    std::size_t number = 1;
    for (;; ++number) {
        const auto end = std::min(text.find(';'), text.size());
        const std::string_view piece = text.substr(0, end);
        ParsedStep step;
        const std::string problem = readStep(piece, step);
        if (!problem.empty()) {
            error = "step " + std::to_string(number) + " \"" + std::string(trimmed(piece)) + "\": " + problem;
            steps.clear();
            return false;
        }
        steps.push_back(step);
        if (end == text.size())
            return true;
        text.remove_prefix(end + 1);
    }
}

bool applyStep(Engine& engine, const Step& step, ChangeSink* sink)
{
    if (engine.isWon())
        return false;
    if (step.kind == Step::tap ? !engine.canTap(step.pile)
                               : !engine.canPickUp(step.card) || !engine.canReach(step.card))
        return false;
    return performStep(engine, step, sink);
}

bool performStep(Engine& engine, const Step& step, ChangeSink* sink)
{
    if (step.kind == Step::tap)
        engine.tapPile(step.pile, sink);
    else if (!engine.moveCards(step.card, step.destination, sink))
        return false;
    engine.runAfterMoveEvents(sink);
    return true;
}

bool applyParsedStep(Engine& engine, const ParsedStep& step, ChangeSink* sink)
{
    if (step.kind == ParsedStep::undo)
        return engine.undoStep();
    return applyStep(engine, step.step, sink);
}

}  // namespace velmora
