#include <gtest/gtest.h>

#include <functional>

#include "klondike_record.h"
#include "record_decoder.h"
#include "record_encoder.h"

namespace velmora {
namespace {

using testing::klondikeDefinition;
using Change = std::function<void(GameDefinition&)>;

DecodedRecord decodeChanged(const Change& change)
{
    GameDefinition definition = klondikeDefinition();
    change(definition);
    return decodeRuleRecord(encodeRuleRecord(definition), ScreenMetrics{});
}

struct Damage {
    const char* what;
    Change change;
    RecordFault fault;
    const char* message;  // the exact message expected
};

void expectRejected(const std::vector<Damage>& damages)
{
    for (const Damage& damage : damages) {
        const DecodedRecord decoded = decodeChanged(damage.change);
        EXPECT_FALSE(decoded) << damage.what;
        EXPECT_EQ(decoded.fault, damage.fault) << damage.what << ": " << decoded.message;
        EXPECT_EQ(decoded.message, damage.message) << damage.what;
    }
}

void expectAccepted(const char* what, const Change& change)
{
    const DecodedRecord decoded = decodeChanged(change);
    EXPECT_TRUE(decoded) << what << ": " << decoded.message;
}

constexpr RecordFault kIndex = RecordFault::indexOutOfRange;
constexpr RecordFault kValue = RecordFault::badValue;

ActionDefinition actionOfKind(ActionKind kind, std::uint16_t pileA, std::uint16_t pileB = 0)
{
    ActionDefinition a{};
    a.kind = static_cast<std::uint8_t>(kind);
    a.pileA = pileA;
    a.pileB = pileB;
    return a;
}

TEST(RecordValidation, HeaderCountsOutsideTheSupportedRange)
{
    expectRejected({
        {"no cards", [](GameDefinition& d) { d.cards.clear(); }, RecordFault::badCount, "card count 0 outside 1..1024"},
        {"too many cards", [](GameDefinition& d) { d.cards.resize(1025, {0, 1, 1}); }, RecordFault::badCount,
         "card count 1025 outside 1..1024"},
        {"no piles", [](GameDefinition& d) { d.piles.clear(); }, RecordFault::badCount, "pile count 0 outside 1..255"},
        {"no keys", [](GameDefinition& d) { d.triggerTypes.clear(); }, RecordFault::badCount,
         "trigger count 0 outside 1..65535"},
        {"17 counters", [](GameDefinition& d) { d.counters.resize(17); }, RecordFault::badCount,
         "counter count 17 outside 0..16"},
    });
}

TEST(RecordValidation, FieldsOutsideTheirValueSets)
{
    expectRejected({
        {"id", [](GameDefinition& d) { d.id = 800; }, kValue, "header: id 800 outside 0..799"},
        {"category", [](GameDefinition& d) { d.category = 11; }, kValue, "header: category 11 outside 0..10"},
        {"skill", [](GameDefinition& d) { d.skill = 3; }, kValue, "header: skill 3 outside 0..2"},
        {"play time", [](GameDefinition& d) { d.playTime = 4; }, kValue, "header: play time 4 outside 0..3"},
        {"large cards", [](GameDefinition& d) { d.largeCards = 2; }, kValue, "header: large cards 2 outside 0..1"},
        {"suit 0", [](GameDefinition& d) { d.cards[4].suit = 0; }, kValue, "card 4: suit 0 outside 1..4"},
        {"suit 5", [](GameDefinition& d) { d.cards[4].suit = 5; }, kValue, "card 4: suit 5 outside 1..4"},
        {"rank 14", [](GameDefinition& d) { d.cards[51].rank = 14; }, kValue, "card 51: rank 14 outside 1..13"},
        {"deal class 13", [](GameDefinition& d) { d.cards[0].dealClass = 13; }, kValue,
         "card 0: deal class 13 outside 0..12"},
        {"x anchor", [](GameDefinition& d) { d.piles[2].xAnchor = 4; }, kValue, "pile 2: x anchor 4 outside 0..3"},
        {"y anchor", [](GameDefinition& d) { d.piles[2].yAnchor = 9; }, kValue, "pile 2: y anchor 9 outside 0..3"},
        {"spread", [](GameDefinition& d) { d.piles[2].spread = 5; }, kValue, "pile 2: spread 5 outside 0..4"},
        {"style", [](GameDefinition& d) { d.piles[2].style = 4; }, kValue, "pile 2: style 4 outside 0..3"},
        {"negative deal count", [](GameDefinition& d) { d.piles[0].dealCount = -1; }, kValue,
         "pile 0: deal count -1 outside 0..32767"},
        {"base rank", [](GameDefinition& d) { d.piles[9].displayValue[0] = 14; }, kValue,
         "pile 9: display base rank 14 outside 0..13"},
        {"base suit", [](GameDefinition& d) { d.piles[10].displayValue[1] = 5; }, kValue,
         "pile 10: display base suit 5 outside 0..4"},
        {"extra category", [](GameDefinition& d) { d.extraCategories = {11}; }, kValue,
         "extra category 0: category 11 outside 2..10"},
        {"trigger type", [](GameDefinition& d) { d.triggerTypes[10] = 4; }, kValue,
         "key 10: trigger type 4 outside 0..3"},
        {"interactive", [](GameDefinition& d) { d.piles[4].interactive = 2; }, kValue,
         "pile 4: interactive 2 outside 0..1"},
        {"fixed open", [](GameDefinition& d) { d.piles[5].fixedOpen = 255; }, kValue,
         "pile 5: fixed open 255 outside 0..1"},
        {"enabled", [](GameDefinition& d) { d.piles[6].enabled = 7; }, kValue, "pile 6: enabled 7 outside 0..1"},
        {"negative counter start",
         [](GameDefinition& d) {
             d.counters.push_back({-1, 0});
             d.counterLinks.push_back({10, 0});
         },
         kValue, "counter 0: initial -1 outside 0..32767"},
    });
}

TEST(RecordValidation, PileReferencesOutOfRange)
{
    expectRejected({
        {"accept program", [](GameDefinition& d) { d.piles[3].acceptProgram = 12; }, kIndex,
         "pile 3: accept program 12 out of range (9 programs)"},
        {"negative pick-up program", [](GameDefinition& d) { d.piles[3].pickUpProgram = -1; }, kIndex,
         "pile 3: pick-up program -1 out of range (9 programs)"},
        {"no programs at all", [](GameDefinition& d) { d.programs.clear(); }, kIndex,
         "pile 0: pick-up program 0 out of range (0 programs)"},
        {"tap key", [](GameDefinition& d) { d.piles[0].tapKey = 11; }, kIndex, "pile 0: tap key 11 out of range (11 keys)"},
        {"empty tap key", [](GameDefinition& d) { d.piles[1].emptyTapKey = 0xFFFF; }, kIndex,
         "pile 1: empty tap key 65535 out of range (11 keys)"},
        {"drop key", [](GameDefinition& d) { d.piles[12].dropKey = 11; }, kIndex,
         "pile 12: drop key 11 out of range (11 keys)"},
    });
}

TEST(RecordValidation, ActionFieldsCheckedByKind)
{
    expectRejected({
        {"kind 7", [](GameDefinition& d) { d.actions[2].kind = 7; }, kValue, "action 2: kind 7 outside 0..6"},
        {"move source", [](GameDefinition& d) { d.actions[1].pileA = 13; }, kIndex,
         "action 1: source pile 13 out of range (13 piles)"},
        {"move destination", [](GameDefinition& d) { d.actions[11].pileB = kNone; }, kIndex,
         "action 11: destination pile 65535 out of range (13 piles)"},
        {"move insert mode", [](GameDefinition& d) { d.actions[1].insertMode = 0; }, kValue,
         "action 1: insert mode 0 outside 1..2"},
        {"card attribute pile", [](GameDefinition& d) { d.actions[0].pileA = 13; }, kIndex,
         "action 0: target pile 13 out of range (13 piles)"},
        {"pile attribute pile",
         [](GameDefinition& d) { d.actions.push_back(actionOfKind(ActionKind::setPileAttribute, kNone)); }, kIndex,
         "action 12: target pile 65535 out of range (13 piles)"},
        {"accept program value",
         [](GameDefinition& d) {
             ActionDefinition a = actionOfKind(ActionKind::setPileAttribute, 3);
             a.attribute = kPileAcceptProgram;
             a.value = 9;
             d.actions.push_back(a);
         },
         kIndex, "action 12: program value 9 out of range (9 programs)"},
        {"pick-up program value",
         [](GameDefinition& d) {
             ActionDefinition a = actionOfKind(ActionKind::setPileAttribute, 3);
             a.attribute = kPilePickUpProgram;
             a.value = 100;
             d.actions.push_back(a);
         },
         kIndex, "action 12: program value 100 out of range (9 programs)"},
        {"base card value",
         [](GameDefinition& d) {
             ActionDefinition a = actionOfKind(ActionKind::setPileAttribute, 9);
             a.attribute = kPileDisplayValue;
             a.value = 0x0501;
             d.actions.push_back(a);
         },
         kValue, "action 12: value base suit 5 outside 0..4"},
        {"forbid from",
         [](GameDefinition& d) { d.actions.push_back(actionOfKind(ActionKind::forbidMoves, 13, kNone)); }, kIndex,
         "action 12: from pile 13 out of range (13 piles)"},
        {"permit to", [](GameDefinition& d) { d.actions.push_back(actionOfKind(ActionKind::permitMoves, 2, 40)); },
         kIndex, "action 12: to pile 40 out of range (13 piles)"},
        {"reset counter without counters",
         [](GameDefinition& d) { d.actions.push_back(actionOfKind(ActionKind::resetCounter, 0)); }, kIndex,
         "action 12: counter 0 out of range (0 counters)"},
    });
}

TEST(RecordValidation, ActionFieldsThatMayBeAnythingAreAccepted)
{
    expectAccepted("forbid any to pile",
                   [](GameDefinition& d) { d.actions.push_back(actionOfKind(ActionKind::forbidMoves, kNone, 3)); });
    expectAccepted("display value of a plain pile may be any i16", [](GameDefinition& d) {
        ActionDefinition a = actionOfKind(ActionKind::setPileAttribute, 0);
        a.attribute = kPileDisplayValue;
        a.value = 0xFFFF;
        d.actions.push_back(a);
    });
    expectAccepted("won action ignores its piles",
                   [](GameDefinition& d) { d.actions[2].pileA = d.actions[2].pileB = 999; });
    expectAccepted("two won actions", [](GameDefinition& d) { d.actions.push_back(d.actions[2]); });
    expectAccepted("no won action", [](GameDefinition& d) { d.actions[2] = actionOfKind(ActionKind::permitMoves, 0, 1); });
}

TEST(RecordValidation, ListsAndLinksOutOfRange)
{
    expectRejected({
        {"permission", [](GameDefinition& d) { d.permissions.push_back({13, kAnyPile}); }, kIndex,
         "move permission 1: from pile 13 out of range (13 piles)"},
        {"placement pile", [](GameDefinition& d) { d.placements.push_back({13, 0, 0}); }, kIndex,
         "card placement 0: pile 13 out of range (13 piles)"},
        {"placement card", [](GameDefinition& d) { d.placements.push_back({2, 52, 0}); }, kIndex,
         "card placement 0: card 52 out of range (52 cards)"},
        {"face toggle", [](GameDefinition& d) { d.faceToggles[5].pile = 13; }, kIndex,
         "face toggle 5: pile 13 out of range (13 piles)"},
        {"lock", [](GameDefinition& d) { d.locks.push_back({kNone, 0}); }, kIndex,
         "lock 0: pile 65535 out of range (13 piles)"},
        {"open flag", [](GameDefinition& d) { d.openFlags.push_back({20, 0}); }, kIndex,
         "open flag 0: pile 20 out of range (13 piles)"},
        {"action link key", [](GameDefinition& d) { d.actionLinks[0].key = 11; }, kIndex,
         "action link 0: key 11 out of range (11 keys)"},
        {"action link action", [](GameDefinition& d) { d.actionLinks[11].action = 12; }, kIndex,
         "action link 11: action 12 out of range (12 actions)"},
        {"condition program", [](GameDefinition& d) { d.conditions[17].program = 9; }, kIndex,
         "condition 17: program 9 out of range (9 programs)"},
        {"condition pile", [](GameDefinition& d) { d.conditions[1].pile = kNone; }, kIndex,
         "condition 1: pile 65535 out of range (13 piles)"},
        {"condition other pile", [](GameDefinition& d) { d.conditions[1].otherPile = 13; }, kIndex,
         "condition 1: other pile 13 out of range (13 piles)"},
        {"condition link key", [](GameDefinition& d) { d.conditionLinks[0].key = 11; }, kIndex,
         "condition link 0: key 11 out of range (11 keys)"},
        {"condition link condition", [](GameDefinition& d) { d.conditionLinks[3].condition = 18; }, kIndex,
         "condition link 3: condition 18 out of range (18 conditions)"},
        {"counter zero key", [](GameDefinition& d) { d.counters.push_back({3, 11}); }, kIndex,
         "counter 0: zero key 11 out of range (11 keys)"},
        {"counter link counter",
         [](GameDefinition& d) {
             d.counters.push_back({3, 0});
             d.counterLinks.push_back({10, 1});
         },
         kIndex, "counter link 0: counter 1 out of range (1 counters)"},
        {"counter link key",
         [](GameDefinition& d) {
             d.counters.push_back({3, 0});
             d.counterLinks.push_back({11, 0});
         },
         kIndex, "counter link 0: key 11 out of range (11 keys)"},
    });
    expectAccepted("no permissions", [](GameDefinition& d) { d.permissions.clear(); });
    expectAccepted("condition without other pile", [](GameDefinition& d) { d.conditions[1].otherPile = kNone; });
    expectAccepted("redeal counter", [](GameDefinition& d) {
        d.counters.push_back({3, 2});
        d.counterLinks.push_back({10, 0});
    });
}

TEST(RecordValidation, ProgramsWithCutOffPushes)
{
    using testing::program;
    expectRejected({
        {"value byte missing", [](GameDefinition& d) { d.programs[0] = program("01"); }, RecordFault::badProgram,
         "program 0: PUSH at byte 0 is cut off by the end (1 bytes)"},
        {"closing byte missing", [](GameDefinition& d) { d.programs[6] = program("1C 19 01 05"); },
         RecordFault::badProgram, "program 6: PUSH at byte 2 is cut off by the end (4 bytes)"},
        {"wrong closing byte", [](GameDefinition& d) { d.programs[1] = program("01 00 02"); },
         RecordFault::badProgram, "program 1: PUSH at byte 0 does not end in 01"},
    });
    // A value byte of 01 is not taken for another PUSH.
    expectAccepted("push of 1", [](GameDefinition& d) { d.programs[0] = program("01 01 01 01 01 01"); });
    expectAccepted("bytes after the end code", [](GameDefinition& d) { d.programs[0] = program("01 00 01 00 01"); });
}

TEST(RecordValidation, DealMustPlaceEveryCard)
{
    expectRejected({
        {"one card short", [](GameDefinition& d) { d.piles[0].dealCount = 20; }, RecordFault::dealIncomplete,
         "deal counts add up to 51 of 52 cards"},
        {"class without cards",
         [](GameDefinition& d) {
             d.piles[0].dealCount = 20;
             d.piles[9].dealClass = 3;
             d.piles[9].dealCount = 1;
         },
         RecordFault::dealIncomplete, "pile 9: deal class 3 receives 1 cards, the deck has 0"},
        {"class with too few cards",
         [](GameDefinition& d) {
             d.cards[0].dealClass = 1;
             d.cards[1].dealClass = 1;
             d.piles[2].dealClass = 1;  // receives one card
             d.piles[3].dealClass = 1;  // receives two more
         },
         RecordFault::dealIncomplete, "pile 2: deal class 1 receives 3 cards, the deck has 2"},
    });
}

TEST(RecordValidation, DealsThatCompleteAreAccepted)
{
    expectAccepted("more asked than dealt", [](GameDefinition& d) { d.piles[12].dealCount = 4; });
    expectAccepted("classes that match", [](GameDefinition& d) {
        for (std::size_t card = 0; card < 4; ++card)
            d.cards[card].dealClass = 2;
        d.piles[0].dealCount = 17;
        d.piles[9].dealClass = 2;
        d.piles[9].dealCount = 4;
    });
    expectAccepted("empty pile of a class without cards", [](GameDefinition& d) { d.piles[12].dealClass = 7; });
    expectAccepted("piles beyond the last card need no cards", [](GameDefinition& d) {
        d.piles[0].dealCount = 52;
        d.piles[5].dealClass = 9;
    });
}

}  // namespace
}  // namespace velmora
