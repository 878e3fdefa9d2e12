#include "check_settings.h"

namespace velmora::cli {
namespace {

constexpr CheckSettings kSettings[] = {
    // Accordion: long games whose every move changes little; the default
    // search wins each of deals 1 to 3 within 200,000 states.
    {485, 200'000, 0},
    // Spider, four suits: best first and depth first lose themselves in
    // early deals of the stock; a beam of 500 wins deal 1 in about 80,000.
    {349, 100'000, 500},
    // Eight Off: the default search decides none of deals 1 to 3 within
    // 20,000 states; its best-first half wins deal 1 in about 26,000.
    {421, 60'000, 0},
    // Spiderette: like Spider, the default search loses itself in early
    // deals of the stock; a beam of 200 wins deal 1 in about 14,000 states.
    {440, 20'000, 200},
    // King Albert, Somerset, Lanes and Eight Times Eight: single-card moves
    // or many open cards make the early search wide; the default search
    // wins one of deals 1 to 3 within 300,000 states.
    {367, 300'000, 0},
    {661, 300'000, 0},
    {392, 300'000, 0},
    {229, 300'000, 0},
    // Ten Across: ten open columns and two cells give every position many
    // moves; the default search wins one of deals 1 to 3 within 300,000.
    {703, 300'000, 0},
    // Scarp: thirteen open columns fed by rows from the stock; best first and
    // depth first lose themselves among the deals, a beam of 300 wins deal 1.
    {619, 100'000, 300},
    // Moving Left and Souter: each space pulls the next pile's group left,
    // so a move reshapes the whole row; the default search wins deal 3 of
    // Moving Left within 400,000 states and deal 2 of Souter within 100,000.
    {469, 400'000, 0},
    {662, 100'000, 0},
};

}  // namespace

std::optional<CheckSettings> checkSettingsFor(SolitaireId id)
{
    for (const CheckSettings& settings : kSettings)
        if (settings.id == id)
            return settings;
    return std::nullopt;
}

}  // namespace velmora::cli
