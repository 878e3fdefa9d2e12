// Keyboard play of the game field: the move candidates, the cursor and what
// the direction keys and the action key do with them.
#include "clock.h"
#include "engine.h"
#include "game_field.h"

namespace velmora {
namespace {

// Blue.
constexpr Colour kCursorColour = 0x0000FF;
// A second press of the action key on the highlighted card acts as a tap on
// its pile while fewer whole calendar seconds than this have passed.
constexpr std::time_t kDoubleTapSeconds = 2;

class EngineQuestions final : public MoveQuestions {
public:
    explicit EngineQuestions(Engine& engine) : engine_(engine) {}
    bool canPickUp(int card) override { return engine_.canPickUp(card); }
    bool canDrop(int card, int pile) override { return engine_.canDrop(card, pile); }
    bool canTap(int pile) override { return engine_.canTap(pile); }

private:
    Engine& engine_;
};

}  // namespace

NavigationMode GameField::navigationMode() const
{
    return settings_.playMode == FieldPlayMode::keyboardPileWise ? NavigationMode::pileWise
                                                                 : NavigationMode::cardWise;
}

void GameField::FindCandidates(CandidatePurpose purpose)
{
    finder_.ClearLists();
    candidatesStale_ = false;
    if (!isKeyboardMode(settings_.playMode) || !engine_.hasGame()) {
        dirty_ = true;
        return;
    }
    // The candidates are judged on the items of the field as it is now.
    repaint(false);
    EngineQuestions questions(engine_);
    finder_.FindCandidates(purpose, navigationMode(), highlight_, questions);
    candidatePurpose_ = purpose;
    dirty_ = true;
}

void GameField::ClearSelection()
{
    clearHighlight();
    finder_.ClearLists();
    dirty_ = true;
}

void GameField::MoveCursor(CursorDirection direction)
{
    if (!finder_.HasLists())
        return;
    switch (direction) {
    case CursorDirection::left: finder_.MoveLeft(); break;
    case CursorDirection::right: finder_.MoveRight(); break;
    case CursorDirection::up: finder_.MoveUp(); break;
    case CursorDirection::down: finder_.MoveDown(); break;
    }
    // Only the cursor moves: the items keep their marks and indices.
    finder_.SetFrozen(true);
    ShowField();
    finder_.SetFrozen(false);
}

void GameField::ActionKey()
{
    const std::optional<CursorPlace> at = finder_.CursorTarget();
    if (!at)
        return;
    if (highlight_.pile == kNone) {
        pickUpOrTap(*at);
    } else if (at->pile == highlight_.pile && at->card == highlight_.card) {
        if (programClock().now() - pointer_.firstTapTime < kDoubleTapSeconds)
            tapPileAction(at->pile);
        else
            deselectForKeyboard();
    } else if (at->pile == highlight_.pile) {
        deselectForKeyboard();
    } else {
        moveHighlightedTo(at->pile);
    }
}

// A card that may be picked up and has somewhere to go becomes the
// highlighted card, with the places that take it as the new candidates;
// anything else fires the pile's tap, and when that does nothing the player
// goes on choosing a source.
void GameField::pickUpOrTap(const CursorPlace& at)
{
    bool rebuiltForDestination = false;
    if (const std::optional<std::uint16_t> card = cardIdAt(at.pile, at.card)) {
        pointer_.selectedCardId = *card;
        if (engine_.canPickUp(*card)) {
            rebuiltForDestination = true;
            EngineQuestions questions(engine_);
            if (finder_.FindCandidates(CandidatePurpose::destination, navigationMode(), Highlight{at.pile, at.card},
                                       questions)) {
                candidatePurpose_ = CandidatePurpose::destination;
                setHighlight(at.pile, at.card);
                ShowField();
                pointer_.firstTapTime = programClock().now();
                return;
            }
        }
    }
    if (!tapPileAction(at.pile) && rebuiltForDestination)
        FindCandidates(CandidatePurpose::source);
}

void GameField::deselectForKeyboard()
{
    clearHighlight();
    FindCandidates(CandidatePurpose::source);
    ShowField();
}

void GameField::drawCursor()
{
    const std::optional<Rect> visible = finder_.CursorRect();
    if (!visible)
        return;
    for (const Rect& bar : cursorOutline(*visible))
        backBuffer_.FillRect(bar, kCursorColour);
}

// The field was resized or turned: the lists describe the old places, so
// they are rebuilt on the items the redraw has just recorded.
void GameField::refreshCandidatesAfterResize()
{
    candidatesStale_ = false;
    finder_.FollowCursorItem();
    EngineQuestions questions(engine_);
    finder_.FindCandidates(candidatePurpose_, navigationMode(), highlight_, questions);
    redrawAll();
}

}  // namespace velmora
