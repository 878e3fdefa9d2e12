#include "record_decoder.h"

#include <algorithm>
#include <cstring>

#include "record_validation.h"

namespace velmora {
namespace {

// Reads the parts of a record in order. The first part that does not fit
// leaves its problem behind and every later read fails.
class RecordReader {
public:
    explicit RecordReader(ByteView bytes) : bytes_(bytes) {}

    const RecordCheck& problem() const { return problem_; }
    std::size_t remaining() const { return bytes_.size() - offset_; }

    bool header(RecordHeader& header)
    {
        if (remaining() < sizeof header)
            return truncated("header: " + std::to_string(remaining()) + " of 42 bytes");
        std::memcpy(&header, bytes_.data(), sizeof header);
        offset_ += sizeof header;
        return true;
    }

    // NUL-terminated text; keeps at most `keep` characters and skips the rest.
    bool text(const char* part, std::string& out, std::size_t keep)
    {
        if (problem_)
            return false;
        const auto* start = bytes_.data() + offset_;
        const auto* end = static_cast<const std::uint8_t*>(std::memchr(start, 0, remaining()));
        if (end == nullptr)
            return truncated(std::string(part) + ": no closing NUL");
        const auto length = static_cast<std::size_t>(end - start);
        out.assign(reinterpret_cast<const char*>(start), std::min(length, keep));
        offset_ += length + 1;
        return true;
    }

    template <typename Entry>
    bool table(const char* part, std::vector<Entry>& out, std::size_t count)
    {
        if (problem_)
            return false;
        const std::size_t size = count * sizeof(Entry);
        if (size > remaining())
            return truncated(std::string(part) + ": " + std::to_string(count) + " entries of " +
                             std::to_string(sizeof(Entry)) + " bytes need " + std::to_string(size) +
                             ", " + std::to_string(remaining()) + " left");
        out.resize(count);
        if (size > 0)
            std::memcpy(out.data(), bytes_.data() + offset_, size);
        offset_ += size;
        return true;
    }

    // A u16 length L and L bytes of bytecode, stored with a closing NUL.
    bool program(std::size_t number, std::string& out)
    {
        if (problem_)
            return false;
        if (remaining() < 2)
            return truncated("program " + std::to_string(number) + ": length word runs past the end");
        const std::size_t length = bytes_[offset_] | (bytes_[offset_ + 1] << 8);
        offset_ += 2;
        if (length > remaining())
            return truncated("program " + std::to_string(number) + ": " + std::to_string(length) +
                             " bytes, " + std::to_string(remaining()) + " left");
        out.assign(reinterpret_cast<const char*>(bytes_.data() + offset_), length);
        out.push_back('\0');
        offset_ += length;
        return true;
    }

private:
    bool truncated(std::string message)
    {
        problem_ = RecordProblem{RecordFault::truncated, std::move(message)};
        return false;
    }

    ByteView bytes_;
    std::size_t offset_ = 0;
    RecordCheck problem_;
};

void copyHeaderValues(const RecordHeader& header, GameDefinition& d)
{
    d.id = header.id;
    d.category = header.category;
    d.skill = header.skill;
    d.playTime = header.playTime;
    d.largeCards = header.largeCards;
}

bool readTexts(RecordReader& in, const RecordHeader& header, GameDefinition& d)
{
    if (!in.text("name", d.name, kMaxNameLength))
        return false;
    std::vector<std::uint8_t> extra;
    if (!in.table("extra categories", extra, header.extraCategoryCount))
        return false;
    d.extraCategories.assign(extra.begin(), extra.end());
    return in.text("description", d.description, std::string::npos);
}

bool readTablesBeforePrograms(RecordReader& in, const RecordHeader& h, GameDefinition& d)
{
    return in.table("cards", d.cards, h.cardCount) && in.table("piles", d.piles, h.pileCount) &&
           in.table("actions", d.actions, h.actionCount) &&
           in.table("move permissions", d.permissions, h.permissionCount) &&
           in.table("card placements", d.placements, h.placementCount) &&
           in.table("face toggles", d.faceToggles, h.faceToggleCount) &&
           in.table("locks", d.locks, h.lockCount) &&
           in.table("open flags", d.openFlags, h.openCount) &&
           in.table("trigger types", d.triggerTypes, h.triggerCount) &&
           in.table("action links", d.actionLinks, h.actionLinkCount);
}

bool readPrograms(RecordReader& in, const RecordHeader& h, GameDefinition& d)
{
    d.programs.resize(h.programCount);
    for (std::size_t number = 0; number < d.programs.size(); ++number)
        if (!in.program(number, d.programs[number]))
            return false;
    return true;
}

bool readTablesAfterPrograms(RecordReader& in, const RecordHeader& h, GameDefinition& d)
{
    return in.table("conditions", d.conditions, h.conditionCount) &&
           in.table("condition links", d.conditionLinks, h.conditionLinkCount) &&
           in.table("counters", d.counters, h.counterCount) &&
           in.table("counter links", d.counterLinks, h.counterLinkCount);
}

// Reads every part in record order; the parts must end exactly at the end of
// the record.
RecordCheck readRecord(ByteView record, GameDefinition& d)
{
    RecordReader in(record);
    RecordHeader header{};
    if (!in.header(header))
        return in.problem();
    if (RecordCheck problem = checkHeaderCounts(header))
        return problem;
    copyHeaderValues(header, d);
    if (!readTexts(in, header, d) || !readTablesBeforePrograms(in, header, d) ||
        !readPrograms(in, header, d) || !readTablesAfterPrograms(in, header, d))
        return in.problem();
    if (in.remaining() != 0)
        return RecordProblem{RecordFault::trailingBytes,
                             std::to_string(in.remaining()) + " bytes left after the counter links"};
    return std::nullopt;
}

DecodedRecord rejected(RecordProblem problem)
{
    DecodedRecord result;
    result.fault = problem.fault;
    result.message = std::move(problem.message);
    return result;
}

}  // namespace

DecodedRecord decodeRuleRecord(ByteView record, const ScreenMetrics& screen)
{
    GameDefinition definition;
    if (RecordCheck problem = readRecord(record, definition))
        return rejected(std::move(*problem));
    if (RecordCheck problem = checkDefinition(definition))
        return rejected(std::move(*problem));
    adaptCoordinates(definition, screen);
    DecodedRecord result;
    result.definition = std::move(definition);
    return result;
}

const char* describe(RecordFault fault)
{
    switch (fault) {
    case RecordFault::none: return "the record is good";
    case RecordFault::truncated: return "a part runs past the end of the record";
    case RecordFault::trailingBytes: return "bytes are left after the last part";
    case RecordFault::badCount: return "a count is outside the supported range";
    case RecordFault::badValue: return "a field is outside its value set";
    case RecordFault::indexOutOfRange: return "an index refers to an entry that does not exist";
    case RecordFault::badProgram: return "a rule program has a cut-off or malformed PUSH";
    case RecordFault::dealIncomplete: return "the deal cannot place every card";
    }
    return "unknown fault";
}

}  // namespace velmora
