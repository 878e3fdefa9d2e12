// The game engine: one loaded game definition and the game played with it.
//
// The engine knows no game's rules. It deals reproducibly from a game number,
// answers whether a pick-up, drop or tap is legal by running the record's rule
// programs, performs moves and taps with the scripted actions they trigger,
// runs the automatic events after each player step, undoes whole steps and
// recognises a won game. All of it runs on the caller's thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "accepted_targets.h"
#include "change_sink.h"
#include "engine_sequences.h"
#include "game_definition.h"
#include "game_state.h"
#include "program_answers.h"
#include "random.h"
#include "record_decoder.h"
#include "rule_machine.h"

namespace velmora {

using GameNumber = std::uint32_t;

// One legal move: a tap on a pile, or the group from a card onto a pile.
struct Move {
    bool isTap = false;
    std::uint16_t pile = kNone;         // the tapped pile (taps)
    std::uint16_t card = kNone;         // the picked card (moves)
    std::uint16_t destination = kNone;  // the target pile (moves)
    friend bool operator==(const Move&, const Move&) = default;
};

class Engine {
public:
    using TickSource = std::function<std::uint32_t()>;

    // ticks: the millisecond tick count that seeds chosen game numbers.
    explicit Engine(ScreenMetrics screen = {}, TickSource ticks = {});
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // --- definition ---------------------------------------------------------
    // Replaces the definition with the decoded record. On a fault the engine
    // is left without a definition and without a game.
    RecordFault loadDefinition(ByteView record);
    const std::string& loadError() const { return loadError_; }
    void releaseDefinition();
    bool hasDefinition() const { return definition_ != nullptr; }
    const GameDefinition& definition() const { return *definition_; }

    // --- game ---------------------------------------------------------------
    // Deals a new game. A number of 0 asks the engine to choose one, which is
    // handed back. False without a definition.
    bool newDeal(GameNumber& number);
    void runDealEvents();
    void releaseGame();
    bool hasGame() const { return hasGame_; }
    const GameState& state() const { return state_; }
    // Installs a state read from a saved game; the caller has checked it
    // against the definition. Rebuilds the engine's derived tables.
    void installState(GameState state);

    // Card number at (pile, position), or kNone.
    std::uint16_t cardAt(int pile, int position) const;
    // Top card of a pile, or kNone for an empty pile.
    std::uint16_t topCard(int pile) const;
    const std::vector<std::uint16_t>& cardsOn(int pile) const { return pileCards_[pile]; }

    // --- legality -----------------------------------------------------------
    bool canPickUp(int card);
    bool canDrop(int card, int pile);
    bool canTap(int pile);
    // Whether the player can take hold of the card at all: the field shows no
    // card of a pile that is not interactive, and of a squared pile only the
    // top card. Pick-up programs that accept any group (a waste's) rely on it.
    bool canReach(int card) const;
    // The n-th legal move (from 0) in the fixed order: taps, top cards, inner
    // cards; nothing when there are n or fewer.
    std::optional<Move> findMove(int n);
    // Every legal move in the same order; stops when visit returns false.
    // visit must not change the game.
    void forEachMove(const std::function<bool(const Move&)>& visit);

    // --- play ---------------------------------------------------------------
    bool moveCards(int card, int pile, ChangeSink* sink);
    bool tapPile(int pile, ChangeSink* sink);
    bool runAfterMoveEvents(ChangeSink* sink);
    // True when the last runAfterMoveEvents was cut off at kMaxRescans: the
    // record's repeating keys would have fired without end.
    bool automaticEventsCutOff() const { return eventsCutOff_; }
    bool undoStep();
    bool isWon() const { return hasGame_ && state_.gameOver != 0; }

    // The generator behind chosen game numbers and shuffles.
    RandomGenerator& random() { return random_; }

    // Upper bound on rescans of repeating automatic keys in one step, so that a
    // record whose keys never stop firing cannot hang the program.
    static constexpr int kMaxRescans = 1000;

private:
    // Recording context of the player step being processed. Entries get
    // groupStart 1 on the first entry of a step; the automatic events after
    // a move or tap continue the same step.
    struct StepContext {
        bool recordHistory = true;
        bool started = false;
        ChangeSink* sink = nullptr;
        bool zeroKeys = true;  // run a used-up counter's zero key
        bool changed = false;  // an action changed the state
    };

    struct ActionResult {
        bool changed = false;
        std::int16_t returned = 0;
        std::uint16_t shuffleNumber = 0;
    };

    void buildKeyTables();
    void dealCards(GameNumber number);
    void copyRuntimePiles();
    void applyPlacements();
    void applyPositionLists();
    void rebuildPileIndex();
    void startGame();

    // Whether the program holds on the two runs (the second may be none),
    // from the remembered answers when the program met the same input.
    bool programHolds(int program, const PileRun& first, const PileRun& second);
    // The program over a whole pile and, unless otherPile is kNone, another.
    bool programHoldsOnPile(int program, int pile, int otherPile);
    // The shapes programs are given, each read from its top card down: the
    // whole pile; the group that moves when the card is picked up (the top
    // card first, the card itself last); the cards under the card.
    PileRun wholePile(int pile) const;
    PileRun groupFrom(const Card& card) const;
    PileRun below(const Card& card) const;
    bool keyConditionsHold(int key);
    bool keyCanFire(int key);
    // Checks the key's conditions and counter, uses a unit of the counter and
    // applies the key's actions. False when the key did not pass.
    bool fireKey(int key, StepContext& step);
    bool applyKeyActions(int key, StepContext& step);
    void record(StepContext& step, HistoryEntry entry);
    void updateOpenFlags(StepContext* step);

    ActionResult applyAction(const ActionDefinition& action);
    // Records the history entries of an applied action: its details when it
    // left some in actionEntries_, else one entry with its returned value.
    void recordAction(StepContext& step, int number, const ActionResult& result);
    ActionResult moveRange(const ActionDefinition& action);
    ActionResult setPileAttribute(const ActionDefinition& action);
    ActionResult setCardAttribute(const ActionDefinition& action);
    ActionResult forbid(const ActionDefinition& action);
    void shufflePile(int pile, std::uint16_t shuffleNumber, bool reverse);
    void reversePile(int pile);
    void undoEntry(const HistoryEntry& entry);
    void undoAction(const ActionDefinition& action, const HistoryEntry& entry);
    void undoMoveRange(const ActionDefinition& action, int returned);
    void undoCardAttribute(const ActionDefinition& action, const HistoryEntry& entry);

    bool pickUpAllowed(int card);
    bool dropAllowed(int card, int pile);
    // The drop checks that do not depend on the card: the pile is
    // interactive, and its top card is open or, when empty, it is not hidden.
    bool takesDrops(int pile) const;
    // The pile's accept program on the group from the card.
    bool acceptHolds(int card, int pile);
    // forEachMove's parts: whether the card is offered in this pass (top
    // cards first, then inner cards of fanned piles) and may be picked up;
    // and, of the piles in `wanted`, those whose accept program takes it.
    bool offersMoves(std::size_t card, int pass);
    std::uint64_t acceptingPiles(int card, std::uint64_t wanted);
    std::uint64_t pilesChangedSince(std::uint32_t at);
    int tapKeyFor(int pile) const;  // -1: the pile offers no tap
    bool validCard(int card) const;
    bool validPile(int pile) const;

    // Placement primitives; they keep the cards and the pile index in step.
    std::vector<std::uint16_t> takeCards(int pile, int first, int count);
    void insertCards(int pile, int at, const std::vector<std::uint16_t>& cards);
    // Gives the pile's cards from `from` up their places again.
    void renumber(int pile, int from);

    ScreenMetrics screen_;
    TickSource ticks_;
    RandomGenerator random_;
    std::unique_ptr<GameDefinition> definition_;
    std::string loadError_;

    bool hasGame_ = false;
    bool eventsCutOff_ = false;
    GameState state_;
    StepContext step_;
    std::vector<std::vector<std::uint16_t>> pileCards_;  // card numbers by position
    // Per pile, whether its open flags may differ from what updateOpenFlags
    // makes them: its cards moved, or an action or undo set a flag.
    std::vector<std::uint8_t> openFlagsStale_;
    std::vector<std::vector<int>> keyActions_;           // action numbers per key
    std::vector<std::vector<int>> keyConditions_;        // condition numbers per key
    std::vector<int> keyCounter_;                        // counter per key, -1 none
    std::vector<HistoryEntry> actionEntries_;            // details of the action just applied

    RuleMachine machine_;
    std::vector<JumpTargets> programJumps_;  // per program of the definition
    ProgramAnswers answers_;
    SequenceBuilder sequences_;
    std::vector<int> dropTargets_;  // forEachMove's piles that take drops, past 64 piles
    AcceptedTargets acceptedTargets_;
    // pilesChangedSince's last answer, and the clock and era it was given at.
    struct ChangedPiles {
        std::uint32_t since = 0;
        std::uint32_t now = 0;
        std::uint32_t era = 0;
        std::uint64_t piles = 0;
    } changedPiles_;
};

}  // namespace velmora
