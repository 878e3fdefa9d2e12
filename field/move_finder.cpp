// Building the candidates and lists, and card-wise cursor movement.
#include "move_finder.h"

namespace velmora {
namespace {

Point cornerOf(const Rect& rect) { return Point{rect.left, rect.top}; }

struct ListStep {
    bool rows = true;
    StepDirection direction = StepDirection::previous;
};

ListStep listStepFor(CursorDirection direction)
{
    switch (direction) {
    case CursorDirection::left: return {true, StepDirection::previous};
    case CursorDirection::right: return {true, StepDirection::next};
    case CursorDirection::up: return {false, StepDirection::previous};
    case CursorDirection::down: return {false, StepDirection::next};
    }
    return {};
}

}  // namespace

bool MoveFinder::FindCandidates(CandidatePurpose purpose, NavigationMode mode, Highlight highlight,
                                MoveQuestions& questions)
{
    ClearLists();
    mode_ = mode;
    highlight_ = purpose == CandidatePurpose::destination ? highlight : Highlight{};
    std::vector<HitItem>& items = items_.mutableItems();
    const bool others = markCandidates(items, view_, purpose, highlight_, questions);
    computeVisibleRects(items);
    if (purpose == CandidatePurpose::destination && !others)
        return false;
    if (mode == NavigationMode::cardWise)
        buildCardWise();
    else
        buildPileWise();
    items_.setKeepMarks(HasLists());
    return HasLists();
}

void MoveFinder::ClearLists()
{
    lists_ = NavigationLists{};
    spans_.clear();
    items_.setKeepMarks(false);
}

void MoveFinder::ResetCursor()
{
    cursor_ = 0;
    kept_ = Point{};
}

void MoveFinder::FollowCursorItem()
{
    if (validCursor())
        kept_ = cornerOf(visibleRect(items_.items(), cursor_));
}

void MoveFinder::buildCardWise()
{
    std::vector<NavigationUnit> units;
    for (int i = 0; i < items_.count(); ++i)
        if (items_[i].selectable)
            units.push_back(NavigationUnit{static_cast<std::uint16_t>(i), items_[i].visible});
    lists_ = buildNavigationLists(units);
    const std::optional<std::uint16_t> nearest =
        nearestEntry(lists_, kept_, [this](std::uint16_t item) { return cornerOf(items_[item].visible); });
    if (nearest)
        setCursor(*nearest);
}

void MoveFinder::setCursor(int item)
{
    cursor_ = item;
    kept_ = cornerOf(items_[item].visible);
}

const std::optional<PileSpan>& MoveFinder::Span(int pile) const
{
    static const std::optional<PileSpan> none;
    return pile >= 0 && static_cast<std::size_t>(pile) < spans_.size() ? spans_[static_cast<std::size_t>(pile)]
                                                                         : none;
}

std::optional<CursorPlace> MoveFinder::CursorTarget() const
{
    if (!HasLists() || !validCursor())
        return std::nullopt;
    return CursorPlace{items_[cursor_].pile, items_[cursor_].card};
}

std::optional<Rect> MoveFinder::CursorRect() const
{
    if (!HasLists() || !validCursor())
        return std::nullopt;
    return visibleRect(items_.items(), cursor_);
}

bool MoveFinder::move(CursorDirection direction)
{
    if (!HasLists() || !validCursor())
        return false;
    return mode_ == NavigationMode::cardWise ? moveCardWise(direction) : movePileWise(direction);
}

// A cursor item missing from the needed kind of list (left out of its row
// for sharing a left edge with the card above it) steps from the nearest
// entry before it in its other list that the needed kind holds.
bool MoveFinder::moveCardWise(CursorDirection direction)
{
    const ListStep step = listStepFor(direction);
    const NavigationBands& needed = step.rows ? lists_.rows : lists_.columns;
    const NavigationBands& other = step.rows ? lists_.columns : lists_.rows;
    const auto at = static_cast<std::uint16_t>(cursor_);
    std::optional<std::uint16_t> from = at;
    if (!findInBands(needed, at))
        from = nearestEarlierIn(needed, other, at);
    if (!from)
        return false;
    const std::optional<std::uint16_t> target = stepInBands(needed, *from, step.direction);
    if (!target || *target == at)
        return false;
    setCursor(*target);
    return true;
}

}  // namespace velmora
