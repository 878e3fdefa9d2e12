#include "record_builder.h"

#include <algorithm>
#include <stdexcept>

#include "record_decoder.h"
#include "record_encoder.h"

namespace velmora::gamedb {
namespace {

std::uint16_t u16(int value) { return static_cast<std::uint16_t>(value); }

ActionDefinition actionOfKind(ActionKind kind)
{
    ActionDefinition action{};
    action.kind = static_cast<std::uint8_t>(kind);
    return action;
}

void requireRange(int value, int low, int high, const char* what)
{
    if (value < low || value > high)
        throw std::invalid_argument(std::string(what) + " " + std::to_string(value) + " outside " +
                                    std::to_string(low) + ".." + std::to_string(high));
}

}  // namespace

ActionDefinition moveCardsAction(int from, Range range, int a, int b, int to, Insert insert, int offset)
{
    ActionDefinition action = actionOfKind(ActionKind::moveCards);
    action.pileA = u16(from);
    action.rangeMode = static_cast<std::uint8_t>(range);
    action.rangeA = u16(a);
    action.rangeB = u16(b);
    action.pileB = u16(to);
    action.insertMode = static_cast<std::uint8_t>(insert);
    action.insertOffset = u16(offset);
    return action;
}

ActionDefinition setCardsAction(int pile, Range range, int a, int b, CardAttribute attribute, int value)
{
    ActionDefinition action = actionOfKind(ActionKind::setCardAttribute);
    action.pileA = u16(pile);
    action.rangeMode = static_cast<std::uint8_t>(range);
    action.rangeA = u16(a);
    action.rangeB = u16(b);
    action.attribute = attribute;
    action.value = u16(value);
    return action;
}

ActionDefinition setPileAction(int pile, PileAttribute attribute, int value)
{
    ActionDefinition action = actionOfKind(ActionKind::setPileAttribute);
    action.pileA = u16(pile);
    action.attribute = attribute;
    action.value = u16(value);
    return action;
}

ActionDefinition forbidMovesAction(int from, int to)
{
    ActionDefinition action = actionOfKind(ActionKind::forbidMoves);
    action.pileA = u16(from);
    action.pileB = u16(to);
    return action;
}

ActionDefinition permitMovesAction(int from, int to)
{
    ActionDefinition action = actionOfKind(ActionKind::permitMoves);
    action.pileA = u16(from);
    action.pileB = u16(to);
    return action;
}

ActionDefinition declareWonAction() { return actionOfKind(ActionKind::declareWon); }

ActionDefinition resetCounterAction(int counter)
{
    ActionDefinition action = actionOfKind(ActionKind::resetCounter);
    action.pileA = u16(counter);
    return action;
}

RecordBuilder::RecordBuilder(SolitaireId id, std::string name)
{
    definition_.id = id;
    definition_.name = std::move(name);
    // Key 0 never passes: one condition that never holds.
    const int never = addProgram(std::string("\x01\x01\x01", 3));
    definition_.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::afterEveryStep));
    addCondition(0, never, 0);
}

RecordBuilder& RecordBuilder::category(Category main, std::vector<Category> extra)
{
    definition_.category = static_cast<std::uint32_t>(main);
    definition_.extraCategories.clear();
    for (Category c : extra)
        definition_.extraCategories.push_back(static_cast<std::int32_t>(c));
    return *this;
}

RecordBuilder& RecordBuilder::skill(int level)
{
    requireRange(level, 1, 3, "skill level");
    definition_.skill = static_cast<std::uint32_t>(level - 1);
    return *this;
}

RecordBuilder& RecordBuilder::playTime(int timeClass)
{
    requireRange(timeClass, 1, 4, "playing-time class");
    definition_.playTime = static_cast<std::uint32_t>(timeClass - 1);
    return *this;
}

RecordBuilder& RecordBuilder::largeCards(bool large)
{
    definition_.largeCards = large ? 1 : 0;
    return *this;
}

RecordBuilder& RecordBuilder::description(std::string text)
{
    definition_.description = std::move(text);
    return *this;
}

void RecordBuilder::addPacks(int packs, int dealClass)
{
    for (int pack = 0; pack < packs; ++pack)
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                addCard(suit, rank, dealClass);
}

void RecordBuilder::addCard(int suit, int rank, int dealClass)
{
    requireRange(suit, 1, 4, "suit");
    requireRange(rank, 1, 13, "rank");
    definition_.cards.push_back(
        {static_cast<std::int16_t>(dealClass), static_cast<std::uint8_t>(suit), static_cast<std::uint8_t>(rank)});
}

int RecordBuilder::addProgram(std::string bytecode)
{
    bytecode.push_back('\0');
    auto& programs = definition_.programs;
    const auto found = std::find(programs.begin(), programs.end(), bytecode);
    if (found != programs.end())
        return static_cast<int>(found - programs.begin());
    programs.push_back(std::move(bytecode));
    return static_cast<int>(programs.size()) - 1;
}

int RecordBuilder::addPile(const PileDefinition& pile)
{
    definition_.piles.push_back(pile);
    return static_cast<int>(definition_.piles.size()) - 1;
}

PileDefinition& RecordBuilder::pile(int number) { return definition_.piles.at(static_cast<std::size_t>(number)); }

int RecordBuilder::addKey(TriggerType trigger)
{
    definition_.triggerTypes.push_back(static_cast<std::uint8_t>(trigger));
    return static_cast<int>(definition_.triggerTypes.size()) - 1;
}

void RecordBuilder::addCondition(int key, int program, int pile, int otherPile)
{
    definition_.conditions.push_back({u16(program), u16(pile), u16(otherPile)});
    definition_.conditionLinks.push_back({u16(key), u16(static_cast<int>(definition_.conditions.size()) - 1)});
}

int RecordBuilder::addAction(int key, const ActionDefinition& action)
{
    definition_.actions.push_back(action);
    const int number = static_cast<int>(definition_.actions.size()) - 1;
    linkAction(key, number);
    return number;
}

void RecordBuilder::linkAction(int key, int action) { definition_.actionLinks.push_back({u16(key), u16(action)}); }

int RecordBuilder::addCounter(int key, int initial, int zeroKey)
{
    definition_.counters.push_back({static_cast<std::int16_t>(initial), u16(zeroKey)});
    const int number = static_cast<int>(definition_.counters.size()) - 1;
    definition_.counterLinks.push_back({u16(key), u16(number)});
    return number;
}

void RecordBuilder::permit(int from, int to) { definition_.permissions.push_back({u16(from), u16(to)}); }

void RecordBuilder::addPlacement(int pile, int card, int position)
{
    definition_.placements.push_back({u16(pile), u16(card), u16(position)});
}

void RecordBuilder::addFaceToggle(int pile, int position) { definition_.faceToggles.push_back({u16(pile), u16(position)}); }
void RecordBuilder::addLock(int pile, int position) { definition_.locks.push_back({u16(pile), u16(position)}); }
void RecordBuilder::addOpenFlag(int pile, int position) { definition_.openFlags.push_back({u16(pile), u16(position)}); }

GameDefinition RecordBuilder::build() const
{
    // Validation works on the record bytes, exactly as loading does; the
    // coordinates of the decoded copy are adapted, so the builder's own
    // definition is the one handed back.
    const Bytes record = encodeRuleRecord(definition_);
    const DecodedRecord decoded = decodeRuleRecord(record, ScreenMetrics{});
    if (!decoded)
        throw std::runtime_error("game \"" + definition_.name + "\" (id " + std::to_string(definition_.id) +
                                 "): " + decoded.message);
    return definition_;
}

}  // namespace velmora::gamedb
