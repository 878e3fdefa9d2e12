// Byte layouts of the parts of a rule record.
//
// A rule record is a 42-byte header followed by variable parts in a fixed
// order (name, extra categories, description, then the fixed-size tables and
// the programs). The fixed-size entries below are also the in-memory form of
// a loaded GameDefinition, so they must keep these exact sizes: every struct
// is packed and checked with static_assert. All values are little-endian,
// which is the byte order of every machine we build for.
#pragma once

#include <bit>
#include <cstdint>

namespace velmora {

static_assert(std::endian::native == std::endian::little,
              "record layouts are read in place and need a little-endian host");

using RecordIndex = std::uint16_t;   // a game's place in the database, 0..799
using SolitaireId = std::uint16_t;   // a game's stable identifier, 0..799

// 0xFFFF in a pile or card field: no pile, or any pile in a move permission.
inline constexpr std::uint16_t kNone = 0xFFFF;
inline constexpr std::uint16_t kAnyPile = 0xFFFF;

#pragma pack(push, 1)

struct RecordHeader {
    std::uint16_t id;
    std::uint16_t category;
    std::uint16_t skill;
    std::uint16_t playTime;
    std::uint16_t largeCards;
    std::uint16_t extraCategoryCount;
    std::uint16_t cardCount;
    std::uint16_t pileCount;
    std::uint16_t actionCount;
    std::uint16_t permissionCount;
    std::uint16_t placementCount;
    std::uint16_t faceToggleCount;
    std::uint16_t lockCount;
    std::uint16_t openCount;
    std::uint16_t triggerCount;
    std::uint16_t actionLinkCount;
    std::uint16_t programCount;
    std::uint16_t conditionCount;
    std::uint16_t conditionLinkCount;
    std::uint16_t counterCount;
    std::uint16_t counterLinkCount;
};

struct CardDefinition {
    std::int16_t dealClass;
    std::uint8_t suit;  // 1..4; suits 1 and 2 share a colour, 3 and 4 the other
    std::uint8_t rank;  // 1 (Ace) .. 13 (King)
};

enum class Spread : std::uint8_t { squared = 0, left = 1, right = 2, up = 3, down = 4 };

enum PileStyle : std::uint8_t {
    kStylePlain = 0,
    kStyleHiddenWhenEmpty = 1,  // empty: no drop, no tap, not drawn, not hit
    kStyleBaseCard = 2,         // display value is base rank and base suit
    kStyleRedealMark = 3,       // display value is the redeal number shown
};

struct PileDefinition {
    std::int16_t dealClass;
    std::int16_t x;
    std::int16_t y;
    std::uint8_t xAnchor;  // 0 absolute, 1 proportional, 2 centre, 3 far edge
    std::uint8_t yAnchor;
    std::uint8_t spread;   // Spread
    std::uint8_t style;    // PileStyle
    std::uint8_t dealFaceUp;
    std::uint8_t interactive;
    std::int16_t dealCount;
    std::int16_t pickUpProgram;
    std::int16_t acceptProgram;
    std::uint16_t tapKey;
    std::int16_t reserved;
    std::uint16_t emptyTapKey;
    std::uint16_t dropKey;
    std::uint8_t fixedOpen;
    std::uint8_t enabled;
    std::uint8_t drawOrder;
    std::uint8_t fanLimitAnchor;
    std::int16_t fanLimit;
    // Style 2: byte 0 is the base rank, byte 1 the base suit. Other styles:
    // one little-endian i16.
    std::uint8_t displayValue[2];
};

enum class ActionKind : std::uint8_t {
    moveCards = 0,
    setPileAttribute = 1,
    setCardAttribute = 2,
    forbidMoves = 3,
    permitMoves = 4,
    declareWon = 5,
    resetCounter = 6,
};

// Attributes of ActionKind::setPileAttribute.
enum PileAttribute : std::uint8_t {
    kPileInteractive = 6,
    kPileEnabled = 8,
    kPileReverse = 9,
    kPileAcceptProgram = 10,
    kPileDisplayValue = 11,
    kPileShuffle = 12,
    kPilePickUpProgram = 13,
};

// Attributes of ActionKind::setCardAttribute.
enum CardAttribute : std::uint8_t {
    kCardFaceUp = 0,
    kCardMovable = 1,
    kCardOpen = 7,
};

struct ActionDefinition {
    std::uint8_t kind;       // ActionKind
    std::uint8_t rangeMode;  // 0: [A, n-B); 1: counted from the top; 2: [A, A+B)
    std::uint16_t pileA;     // source / target / from-pile / counter index
    std::uint16_t rangeA;
    std::uint16_t rangeB;
    std::uint16_t pileB;     // destination / to-pile
    std::uint8_t insertMode; // 1 counted from the top, 2 from the bottom
    std::uint8_t attribute;
    std::uint16_t insertOffset;
    std::uint16_t value;
};

struct MovePermission {
    std::uint16_t fromPile;  // kAnyPile: any
    std::uint16_t toPile;    // kAnyPile: any
    friend bool operator==(const MovePermission&, const MovePermission&) = default;
};

struct CardPlacement {
    std::uint16_t pile;
    std::uint16_t card;
    std::uint16_t position;
};

struct PilePosition {
    std::uint16_t pile;
    std::uint16_t position;
};

enum class TriggerType : std::uint8_t {
    afterEveryStep = 0,
    afterEveryStepRepeated = 1,
    never = 2,
    afterDeal = 3,
};

struct ActionLink {
    std::uint16_t key;
    std::uint16_t action;
};

struct ConditionDefinition {
    std::uint16_t program;
    std::uint16_t pile;
    std::uint16_t otherPile;  // kNone: no second sequence
};

struct ConditionLink {
    std::uint16_t key;
    std::uint16_t condition;
};

struct CounterDefinition {
    std::int16_t initial;
    std::uint16_t zeroKey;  // 0: none
};

struct CounterLink {
    std::uint16_t key;
    std::uint16_t counter;
};

#pragma pack(pop)

static_assert(sizeof(RecordHeader) == 42);
static_assert(sizeof(CardDefinition) == 4);
static_assert(sizeof(PileDefinition) == 34);
static_assert(sizeof(ActionDefinition) == 16);
static_assert(sizeof(MovePermission) == 4);
static_assert(sizeof(CardPlacement) == 6);
static_assert(sizeof(PilePosition) == 4);
static_assert(sizeof(ActionLink) == 4);
static_assert(sizeof(ConditionDefinition) == 6);
static_assert(sizeof(ConditionLink) == 4);
static_assert(sizeof(CounterDefinition) == 4);
static_assert(sizeof(CounterLink) == 4);

// Resource types and ids of the rule database.
inline constexpr const char* kDatabaseResourceType = "SOLDB";
inline constexpr const char* kSizeTableResourceType = "SOLSIZE";
inline constexpr int kFirstChunkId = 3920;
inline constexpr int kSizeTableId = 3915;
inline constexpr int kRecordsPerChunk = 64;
inline constexpr int kMaxGames = 800;
inline constexpr int kMaxNameLength = 32;

}  // namespace velmora
