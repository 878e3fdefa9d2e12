// The builder that game sources use to write a rule record.
//
// A game source describes its piles, event keys, conditions, counters and
// actions through this API and never writes record bytes itself. Indices are
// handed out in the order of the calls, which is the order they take in the
// record, so a source that must match given bytes can do so by calling in
// that order.
//
// Every builder starts with key 0, which piles without a key of their own
// raise: it has one condition that never holds (program 0, "always false",
// on pile 0), so that such taps and drops never count as moves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game_definition.h"

namespace velmora::gamedb {

// Main and extra categories as stored in the record (0 is "Other").
enum class Category : std::uint16_t {
    other = 0,
    addition = 1,
    canfield = 2,
    castle = 3,
    fan = 4,
    fortyThieves = 5,
    freeCell = 6,
    klondike = 7,
    spider = 8,
    terrace = 9,
    yukon = 10,
};

// Where cards of a range go in the destination pile.
enum class Insert : std::uint8_t { fromTop = 1, fromBottom = 2 };

// How a range selects cards of a pile of n cards.
enum class Range : std::uint8_t {
    between = 0,  // positions [a, n - b)
    fromTop = 1,  // positions [n - b - a, n - a): b cards, a below the top
    fromBottom = 2,  // positions [a, a + b)
};

// Scripted actions; each returns the definition to hand to addAction.
ActionDefinition moveCardsAction(int from, Range range, int a, int b, int to, Insert insert = Insert::fromTop,
                                 int offset = 0);
ActionDefinition setCardsAction(int pile, Range range, int a, int b, CardAttribute attribute, int value);
ActionDefinition setPileAction(int pile, PileAttribute attribute, int value);
ActionDefinition forbidMovesAction(int from, int to);
ActionDefinition permitMovesAction(int from, int to);
ActionDefinition declareWonAction();
ActionDefinition resetCounterAction(int counter);

class RecordBuilder {
public:
    RecordBuilder(SolitaireId id, std::string name);

    RecordBuilder& category(Category main, std::vector<Category> extra = {});
    RecordBuilder& skill(int level);       // 1 to 3
    RecordBuilder& playTime(int timeClass);  // 1 (<3 min) to 4 (>10 min)
    RecordBuilder& largeCards(bool large);
    RecordBuilder& description(std::string text);

    // Cards: `packs` full packs, suits 1..4 with ranks 1..13 each, in order.
    void addPacks(int packs, int dealClass = 0);
    void addCard(int suit, int rank, int dealClass = 0);

    // Programs are shared: the same bytes give the same index.
    int addProgram(std::string bytecode);

    // A pile with every field given; returns its number.
    int addPile(const PileDefinition& pile);
    PileDefinition& pile(int number);
    int pileCount() const { return static_cast<int>(definition_.piles.size()); }

    // Event keys and their wiring.
    int addKey(TriggerType trigger);
    void addCondition(int key, int program, int pile, int otherPile = kNone);
    int addAction(int key, const ActionDefinition& action);
    void linkAction(int key, int action);
    int addCounter(int key, int initial, int zeroKey = 0);

    void permit(int from, int to);
    void addPlacement(int pile, int card, int position);
    void addFaceToggle(int pile, int position);
    void addLock(int pile, int position);
    void addOpenFlag(int pile, int position);

    SolitaireId id() const { return definition_.id; }
    const std::string& name() const { return definition_.name; }

    // The finished definition, checked by the same validation that loading
    // applies; throws std::runtime_error naming the game and the fault.
    GameDefinition build() const;

private:
    GameDefinition definition_;
};

}  // namespace velmora::gamedb
