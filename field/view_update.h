// The engine's visible changes, as updates to the field's view.
//
// While the engine serves a player step it hands every action it applied to
// the change sink, in order. UpdateList is that sink: it turns each action
// that changes what is seen into a ViewUpdate and keeps them in order until
// the field applies them (view_changes.h).
#pragma once

#include <cstdint>
#include <vector>

#include "change_sink.h"
#include "field_view.h"

namespace velmora {

enum class UpdateType : std::uint32_t {
    moveCards = 0,
    turnCards = 1,
    showPile = 2,
    reversePile = 3,
    setDisplayValues = 4,
    shufflePile = 5,
};

struct ViewUpdate {
    UpdateType type = UpdateType::moveCards;
    std::uint16_t pile = 0;   // the pile concerned; the source of a move
    std::uint16_t value = 0;  // showPile: non-zero shows; shufflePile: the shuffle number
    // moveCards, turnCards: which cards (see view_changes.h for the modes).
    std::uint32_t selectionMode = 0;
    std::uint16_t firstCount = 0;
    std::uint16_t secondCount = 0;
    std::uint16_t target = 0;  // moveCards: destination pile; turnCards: non-zero turns face up
    std::uint32_t destinationMode = 0;  // moveCards: 1 counted from the top, 2 from the bottom
    std::uint16_t destinationValue = 0;
    // setDisplayValues: a style-2 pile's base rank and suit (-1 none), or a
    // style-3 pile's redeal counter as the rank.
    std::int32_t baseRank = -1;
    std::int32_t baseSuit = -1;

    friend bool operator==(const ViewUpdate&, const ViewUpdate&) = default;
};

class UpdateList : public ChangeSink {
public:
    // The view supplies the pile styles that decide how a display value reads.
    explicit UpdateList(const FieldView& view) : view_(view) {}

    // Converts the applied action and appends it, or ignores it when it
    // changes nothing that is seen.
    void AppendEvent(const ActionDefinition& action);
    void actionApplied(const AppliedAction& change) override { AppendEvent(change.action); }

    const std::vector<ViewUpdate>& updates() const { return updates_; }
    bool empty() const { return updates_.empty(); }
    void clear() { updates_.clear(); }

private:
    const FieldView& view_;
    std::vector<ViewUpdate> updates_;
};

}  // namespace velmora
