#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "klondike_record.h"
#include "record_decoder.h"
#include "record_encoder.h"

namespace velmora {
namespace {

using testing::klondikeDefinition;
using testing::klondikeRecord;

constexpr std::size_t kHeaderSize = sizeof(RecordHeader);

DecodedRecord decode(const Bytes& bytes) { return decodeRuleRecord(bytes, ScreenMetrics{}); }

std::uint16_t headerWord(const Bytes& bytes, int word)
{
    return static_cast<std::uint16_t>(bytes[2 * word] | bytes[2 * word + 1] << 8);
}

void setHeaderWord(Bytes& bytes, int word, std::uint16_t value)
{
    bytes[2 * word] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[2 * word + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Puts back the record's own coordinates, so that encoding the decoded
// definition must give the record's bytes again.
void undoAdaptation(GameDefinition& decoded, const GameDefinition& original)
{
    for (std::size_t p = 0; p < decoded.piles.size(); ++p) {
        decoded.piles[p].x = original.piles[p].x;
        decoded.piles[p].y = original.piles[p].y;
        decoded.piles[p].fanLimit = original.piles[p].fanLimit;
    }
}

TEST(RecordDecoder, KlondikeDecodesToItsDefinitionAndEncodesBackToItsBytes)
{
    const Bytes bytes = klondikeRecord();
    DecodedRecord decoded = decode(bytes);
    ASSERT_TRUE(decoded) << decoded.message;
    EXPECT_EQ(decoded.fault, RecordFault::none);
    EXPECT_TRUE(decoded.message.empty());

    GameDefinition& d = *decoded.definition;
    EXPECT_EQ(d.id, 212);
    EXPECT_EQ(d.name, "Klondike");
    EXPECT_EQ(d.cardCount(), 52);
    EXPECT_EQ(d.pileCount(), 13);
    EXPECT_EQ(d.keyCount(), 11);
    ASSERT_EQ(d.programs.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(d.programs[i], testing::program(testing::kKlondikePrograms[i])) << "program " << i;
    EXPECT_EQ(d.programs[0], std::string("\x01\x01\x01\0", 4));

    undoAdaptation(d, klondikeDefinition());
    EXPECT_EQ(encodeRuleRecord(d), bytes);
}

TEST(RecordDecoder, TextsAndExtraCategoriesFollowOneAnother)
{
    GameDefinition original = klondikeDefinition();
    original.extraCategories = {5};
    DecodedRecord decoded = decode(encodeRuleRecord(original));
    ASSERT_TRUE(decoded) << decoded.message;
    EXPECT_EQ(decoded.definition->extraCategories, std::vector<std::int32_t>{5});
    EXPECT_EQ(decoded.definition->description, original.description);

    // Without extra categories the description starts right after the name's NUL.
    const Bytes plain = klondikeRecord();
    const std::string description = klondikeDefinition().description;
    EXPECT_EQ(std::memcmp(plain.data() + kHeaderSize + std::strlen("Klondike") + 1, description.data(),
                          description.size()),
              0);
    EXPECT_EQ(decode(plain).definition->description, description);
}

TEST(RecordDecoder, LongNameIsCutTo32CharactersAndTheRestStillParses)
{
    GameDefinition original = klondikeDefinition();
    original.name = std::string(40, 'N');
    DecodedRecord decoded = decode(encodeRuleRecord(original));
    ASSERT_TRUE(decoded) << decoded.message;
    EXPECT_EQ(decoded.definition->name, std::string(32, 'N'));
    EXPECT_EQ(decoded.definition->description, original.description);
}

TEST(RecordDecoder, ProgramsOfAnyLengthLieBackToBack)
{
    GameDefinition original = klondikeDefinition();
    original.programs.push_back(std::string(1, '\0'));  // empty program
    original.programs.push_back(testing::program("00 01"));  // ends before a dead PUSH byte
    original.programs.push_back(std::string(1200, '\x06') + '\0');
    DecodedRecord decoded = decode(encodeRuleRecord(original));
    ASSERT_TRUE(decoded) << decoded.message;
    EXPECT_EQ(decoded.definition->programs, original.programs);
}

TEST(RecordDecoder, RecordCutAtAnyLengthIsTruncated)
{
    const Bytes bytes = klondikeRecord();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const DecodedRecord decoded = decode(Bytes(bytes.begin(), bytes.begin() + length));
        ASSERT_FALSE(decoded) << "length " << length;
        EXPECT_EQ(decoded.fault, RecordFault::truncated) << "length " << length;
        EXPECT_FALSE(decoded.message.empty());
    }
}

TEST(RecordDecoder, BytesAfterTheCounterLinksAreRejected)
{
    Bytes bytes = klondikeRecord();
    bytes.push_back(0);
    const DecodedRecord decoded = decode(bytes);
    EXPECT_EQ(decoded.fault, RecordFault::trailingBytes);
    EXPECT_EQ(decoded.message, "1 bytes left after the counter links");
}

TEST(RecordDecoder, MissingNulInNameOrDescriptionIsTruncated)
{
    Bytes nameOnly = klondikeRecord();
    nameOnly.resize(kHeaderSize + 4);  // "Klon"
    EXPECT_EQ(decode(nameOnly).message, "name: no closing NUL");

    GameDefinition original = klondikeDefinition();
    original.cards.clear();
    original.piles.clear();
    original.actions.clear();
    original.permissions.clear();
    original.faceToggles.clear();
    original.triggerTypes.clear();
    original.actionLinks.clear();
    original.programs.clear();
    original.conditions.clear();
    original.conditionLinks.clear();
    Bytes bytes = encodeRuleRecord(original);
    bytes.pop_back();  // the description's NUL
    setHeaderWord(bytes, 6, 1);
    setHeaderWord(bytes, 7, 1);
    setHeaderWord(bytes, 14, 1);
    EXPECT_EQ(decode(bytes).message, "description: no closing NUL");
}

TEST(RecordDecoder, EveryCountOffByOneIsRejected)
{
    const Bytes bytes = klondikeRecord();
    for (int word = 5; word < 21; ++word) {
        for (int delta : {-1, +1}) {
            Bytes changed = bytes;
            setHeaderWord(changed, word, static_cast<std::uint16_t>(headerWord(bytes, word) + delta));
            const DecodedRecord decoded = decode(changed);
            EXPECT_FALSE(decoded) << "header word " << word << " changed by " << delta;
            EXPECT_NE(decoded.fault, RecordFault::none);
        }
    }
}

// An accepted record must account for every one of its bytes: encoding what
// was decoded gives a record of the same size.
void expectHandled(const Bytes& bytes)
{
    const DecodedRecord decoded = decode(bytes);
    if (decoded) {
        EXPECT_EQ(decoded.fault, RecordFault::none);
        EXPECT_EQ(encodeRuleRecord(*decoded.definition).size(), bytes.size());
    } else {
        EXPECT_NE(decoded.fault, RecordFault::none);
        EXPECT_FALSE(decoded.message.empty());
    }
}

TEST(RecordDecoder, RandomDamageIsAlwaysHandled)
{
    const Bytes intact = klondikeRecord();
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> position(0, intact.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 4000; ++round) {
        Bytes damaged = intact;
        const int changes = 1 + round % 4;
        for (int c = 0; c < changes; ++c) {
            // Half of the changes hit the header, where counts steer the parse.
            const std::size_t at = (c % 2 == 0) ? position(random) % kHeaderSize : position(random);
            damaged[at] = static_cast<std::uint8_t>(byte(random));
        }
        expectHandled(damaged);
    }
    for (int round = 0; round < 500; ++round) {
        Bytes garbage(position(random) % 600);
        for (std::uint8_t& b : garbage)
            b = static_cast<std::uint8_t>(byte(random) % 8);  // small values look like counts
        expectHandled(garbage);
    }
}

}  // namespace
}  // namespace velmora
