// Pointer play of the game field: tapping (select a card, then its target)
// and drag and drop. In both, a tap that picks nothing up fires the tapped
// pile's own action, which is how a stock is dealt.
#include <cstdlib>

#include "card_flight.h"
#include "clock.h"
#include "engine.h"
#include "game_field.h"
#include "view_changes.h"

namespace velmora {
namespace {

// The pointer must move further than this, along either axis, before a
// press becomes a drag.
constexpr int kDragThreshold = 3;
// Two taps on the same card count as a double tap while fewer whole calendar
// seconds than this lie between them.
constexpr std::time_t kDoubleTapSeconds = 2;

bool isPointerMode(FieldPlayMode mode)
{
    return mode == FieldPlayMode::tapping || mode == FieldPlayMode::dragAndDrop;
}

}  // namespace

bool GameField::OnLButtonDown(Point point)
{
    if (!ClientRect().contains(point) || !isPointerMode(settings_.playMode))
        return false;
    bool handled = false;
    if (settings_.playMode == FieldPlayMode::tapping) {
        handled = tap(point);
    } else {
        clearHighlight();
        handled = press(point);
    }
    if (handled)
        pointer_.down = true;
    return handled;
}

bool GameField::OnMouseMove(Point point)
{
    if (pointer_.down && settings_.playMode == FieldPlayMode::dragAndDrop)
        drag(point);
    return false;
}

bool GameField::OnLButtonUp(Point point)
{
    if (!pointer_.down)
        return false;
    pointer_.down = false;
    if (settings_.playMode == FieldPlayMode::dragAndDrop)
        release(point);
    return true;
}

void GameField::select(const Hit& hit)
{
    pointer_.selectedPile = hit.pile;
    pointer_.selectedCard = hit.card;
    pointer_.hitRect = hit.rect;
}

// ---- Tapping ----------------------------------------------------------------

bool GameField::tap(Point point)
{
    const std::optional<Hit> hit = HitTest(point);
    if (!hit) {
        clearHighlight();
        ShowField();
        return false;
    }
    select(*hit);
    if (highlight_.pile != kNone)
        return tapWithHighlight(*hit);

    if (const std::optional<std::uint16_t> card = cardIdAt(hit->pile, hit->card)) {
        pointer_.selectedCardId = *card;
        if (engine_.canPickUp(*card)) {
            setHighlight(hit->pile, hit->card);
            ShowField();
            pointer_.firstTapTime = programClock().now();
            return true;
        }
    }
    tapPileAction(hit->pile);
    return true;
}

// A tap while a card is selected: the same card again fires its pile's tap
// within the double-tap time and deselects after it; another pile is the
// target of the selected cards; another card of the same pile deselects.
bool GameField::tapWithHighlight(const Hit& hit)
{
    const Highlight selected = highlight_;
    if (hit.pile == selected.pile && hit.card == selected.card) {
        if (programClock().now() - pointer_.firstTapTime < kDoubleTapSeconds) {
            tapPileAction(hit.pile);
        } else {
            clearHighlight();
            ShowField();
        }
        return true;
    }
    if (hit.pile == selected.pile) {
        clearHighlight();
        ShowField();
        return true;
    }
    moveHighlightedTo(hit.pile);
    return true;
}

bool GameField::moveHighlightedTo(int pile)
{
    const Highlight selected = highlight_;
    UpdateList updates(view_);
    if (!engine_.moveCards(pointer_.selectedCardId, pile, &updates))
        return false;
    finder_.ClearLists();  // the view is about to change under them
    clearHighlight();
    const CardTransfer move = playerMove(view_, selected.pile, selected.card, pile);
    FlyCards(move.source, move.first, move.count, move.destination, move.insertion);
    ApplyUpdates(updates);
    completeAction();
    return true;
}

// A tap that changes nothing is no action.
bool GameField::tapPileAction(int pile)
{
    UpdateList updates(view_);
    if (!engine_.tapPile(pile, &updates))
        return false;
    finder_.ClearLists();
    clearHighlight();
    ApplyUpdates(updates);
    completeAction();
    return true;
}

// ---- Drag and drop ------------------------------------------------------------

bool GameField::press(Point point)
{
    const std::optional<Hit> hit = HitTest(point);
    if (!hit)
        return false;
    select(*hit);
    pointer_.selectedCardId = cardIdAt(hit->pile, hit->card).value_or(kNone);
    if (!HasCapture())
        SetCapture();
    drag_.dragging = false;
    pointer_.pressPoint = point;
    return true;
}

void GameField::drag(Point point)
{
    if (drag_.dragging) {
        const Point topLeft{point.x + drag_.offset.x, point.y + drag_.offset.y};
        if (topLeft.x != drag_.position.left || topLeft.y != drag_.position.top)
            moveDragImage(topLeft);
        return;
    }
    const bool moved = std::abs(point.x - pointer_.pressPoint.x) > kDragThreshold ||
                       std::abs(point.y - pointer_.pressPoint.y) > kDragThreshold;
    if (moved && pointer_.selectedCard != kEmptyPileItem && pointer_.selectedCardId != kNone &&
        engine_.canPickUp(pointer_.selectedCardId))
        startDrag(point);
}

// Lifts the picked card and those above it off their pile into a drag image
// that follows the pointer over the rest of the field. The image keeps the
// distance to the pointer that the picked card had at the press, so it lies
// where the pointer's whole way from the press puts it, however few motion
// events came before this one.
void GameField::startDrag(Point point)
{
    const int pile = pointer_.selectedPile;
    const int first = pointer_.selectedCard;
    const int count = view_.validPile(pile) ? view_.piles[static_cast<std::size_t>(pile)].count() - first : 0;
    if (count <= 0)
        return;
    const GroupImage group = groupImage(view_.card, view_.piles[static_cast<std::size_t>(pile)].spread, count);
    drag_.lifted = takeViewCards(view_, pile, first, count);
    drag_.image = renderGroup(group, drag_.lifted);

    dirty_ = true;
    repaint(false);
    if (settings_.showTimer)
        drawClock();

    const Point pickedAt{pointer_.hitRect.left - group.pickedOffset.x, pointer_.hitRect.top - group.pickedOffset.y};
    drag_.offset = {pickedAt.x - pointer_.pressPoint.x, pickedAt.y - pointer_.pressPoint.y};
    drag_.position = Rect::fromSize(point.x + drag_.offset.x, point.y + drag_.offset.y, group.width, group.height);
    drag_.saveUnder.Create(group.width, group.height);
    drag_.saveUnder.Copy(0, 0, group.width, group.height, backBuffer_, drag_.position.left, drag_.position.top);
    backBuffer_.Copy(drag_.position.left, drag_.position.top, drag_.image);
    present();
    drag_.dragging = true;
}

void GameField::moveDragImage(Point topLeft)
{
    backBuffer_.Copy(drag_.position.left, drag_.position.top, drag_.saveUnder);
    drag_.position = Rect::fromSize(topLeft.x, topLeft.y, drag_.image.Width(), drag_.image.Height());
    drag_.saveUnder.Copy(0, 0, drag_.image.Width(), drag_.image.Height(), backBuffer_, topLeft.x, topLeft.y);
    backBuffer_.Copy(topLeft.x, topLeft.y, drag_.image);
    present();
}

// The release point counts as the pointer's last move, so a release beyond
// the drag threshold drags even when no motion event came between press and
// release. A release after a drag drops the cards on the pile under the
// point half a card right of and below the drag image's corner; a release
// without a drag on the pressed card (or empty pile) is a tap on its pile.
void GameField::release(Point point)
{
    drag(point);
    if (HasCapture())
        ReleaseCapture();
    bool complete = false;
    if (drag_.dragging) {
        const Point dropPoint{drag_.position.left + view_.card.width / 2,
                              drag_.position.top + view_.card.height / 2};
        endDrag();
        complete = dropOn(HitTest(dropPoint));
        ShowField();
    } else {
        const std::optional<Hit> hit = HitTest(point);
        if (hit && hit->pile == pointer_.selectedPile && hit->card == pointer_.selectedCard) {
            UpdateList updates(view_);
            if (engine_.tapPile(hit->pile, &updates)) {
                ApplyUpdates(updates);
                complete = true;
            }
        }
    }
    if (complete)
        completeAction();
}

// The dropped cards go onto the hit pile when the engine takes the move; a
// drop outside every pile, back on the source, or refused puts nothing on
// screen but the cards where they were.
bool GameField::dropOn(const std::optional<Hit>& hit)
{
    if (!hit || hit->pile == pointer_.selectedPile)
        return false;
    UpdateList updates(view_);
    if (!engine_.moveCards(pointer_.selectedCardId, hit->pile, &updates))
        return false;
    moveViewCards(view_, playerMove(view_, pointer_.selectedPile, pointer_.selectedCard, hit->pile));
    ShowField();
    ApplyUpdates(updates);
    return true;
}

// Puts the lifted cards back on their pile and releases the drag images.
void GameField::endDrag()
{
    if (!drag_.lifted.empty() && view_.validPile(pointer_.selectedPile)) {
        const int pile = pointer_.selectedPile;
        insertViewCards(view_, pile, view_.piles[static_cast<std::size_t>(pile)].count(), drag_.lifted);
    }
    drag_.lifted.clear();
    drag_.image.Release();
    drag_.saveUnder.Release();
    drag_.dragging = false;
    dirty_ = true;
}

void GameField::cancelPointer()
{
    if (HasCapture())
        ReleaseCapture();
    endDrag();
    pointer_ = PointerState{};
}

}  // namespace velmora
