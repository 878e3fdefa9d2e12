#include "cli_session.h"

#include <string>
#include <vector>

#include "cli_game.h"
#include "cli_json.h"
#include "player_steps.h"

namespace velmora::cli {
namespace {

void writePosition(std::ostream& out, Engine& engine, bool ok, const std::string& error)
{
    JsonWriter json(out);
    json.beginObject().key("ok").value(ok);
    if (!error.empty())
        json.key("error").value(error);
    json.key("status").value(statusName(gameStatus(engine)));
    writePiles(json, engine);
    writeCounters(json, engine);
    writeMoves(json, engine, legalMoves(engine));
    json.endObject();
    out << '\n';
    out.flush();
}

bool blank(const std::string& line) { return line.find_first_not_of(" \t\r") == std::string::npos; }

}  // namespace

void runSession(Engine& engine, std::istream& in, std::ostream& out)
{
    writePosition(out, engine, true, {});
    std::string line;
    while (std::getline(in, line)) {
        if (blank(line))
            continue;
        if (line == "quit")
            return;
        std::vector<ParsedStep> steps;
        std::string error;
        if (!parseSteps(line, steps, error) || steps.size() != 1) {
            writePosition(out, engine, false, error.empty() ? "one step per line" : error);
            continue;
        }
        const bool applied = applyParsedStep(engine, steps.front(), nullptr);
        writePosition(out, engine, applied, {});
    }
}

}  // namespace velmora::cli
