#include "record_encoder.h"

#include <cstring>

namespace velmora {
namespace {

class RecordWriter {
public:
    void u16(std::uint16_t value)
    {
        bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }

    void text(const std::string& value)
    {
        bytes_.insert(bytes_.end(), value.begin(), value.end());
        bytes_.push_back(0);
    }

    template <typename Entry>
    void table(const std::vector<Entry>& entries)
    {
        const auto* first = reinterpret_cast<const std::uint8_t*>(entries.data());
        bytes_.insert(bytes_.end(), first, first + entries.size() * sizeof(Entry));
    }

    void raw(const void* data, std::size_t size)
    {
        const auto* first = static_cast<const std::uint8_t*>(data);
        bytes_.insert(bytes_.end(), first, first + size);
    }

    Bytes take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

std::uint16_t count(std::size_t size) { return static_cast<std::uint16_t>(size); }

std::string programBody(const std::string& program)
{
    if (!program.empty() && program.back() == '\0')
        return program.substr(0, program.size() - 1);
    return program;
}

}  // namespace

Bytes encodeRuleRecord(const GameDefinition& d)
{
    RecordHeader header{};
    header.id = d.id;
    header.category = static_cast<std::uint16_t>(d.category);
    header.skill = static_cast<std::uint16_t>(d.skill);
    header.playTime = static_cast<std::uint16_t>(d.playTime);
    header.largeCards = d.largeCards;
    header.extraCategoryCount = count(d.extraCategories.size());
    header.cardCount = count(d.cards.size());
    header.pileCount = count(d.piles.size());
    header.actionCount = count(d.actions.size());
    header.permissionCount = count(d.permissions.size());
    header.placementCount = count(d.placements.size());
    header.faceToggleCount = count(d.faceToggles.size());
    header.lockCount = count(d.locks.size());
    header.openCount = count(d.openFlags.size());
    header.triggerCount = count(d.triggerTypes.size());
    header.actionLinkCount = count(d.actionLinks.size());
    header.programCount = count(d.programs.size());
    header.conditionCount = count(d.conditions.size());
    header.conditionLinkCount = count(d.conditionLinks.size());
    header.counterCount = count(d.counters.size());
    header.counterLinkCount = count(d.counterLinks.size());

    RecordWriter out;
    out.raw(&header, sizeof header);
    out.text(d.name);
    for (std::int32_t category : d.extraCategories)
        out.raw(&category, 1);
    out.text(d.description);
    out.table(d.cards);
    out.table(d.piles);
    out.table(d.actions);
    out.table(d.permissions);
    out.table(d.placements);
    out.table(d.faceToggles);
    out.table(d.locks);
    out.table(d.openFlags);
    out.table(d.triggerTypes);
    out.table(d.actionLinks);
    for (const std::string& program : d.programs) {
        const std::string body = programBody(program);
        out.u16(count(body.size()));
        out.raw(body.data(), body.size());
    }
    out.table(d.conditions);
    out.table(d.conditionLinks);
    out.table(d.counters);
    out.table(d.counterLinks);
    return out.take();
}

}  // namespace velmora
