// What the field shows while the game changes on its own: the engine's
// reported updates one by one, cards flying in four frames, and the flashing
// of a suggested move. None of it waits for events; every frame is a whole
// copy of the back buffer to the screen, painted before the call returns.
#include "card_flight.h"
#include "clock.h"
#include "engine.h"
#include "game_field.h"
#include "view_changes.h"

namespace velmora {
namespace {

constexpr int kHintSteps = 4;
constexpr std::uint32_t kHintStepMs = 200;
// Each frame of a flight stays on screen this long: longer than one screen
// refresh, so that the four frames are seen (a flight lasts about 60 ms).
// The field sleeps rather than waiting for a timer, so no input arrives in
// the middle of a flight.
constexpr std::uint32_t kFlightFrameMs = 15;

// Marks the field busy for the lifetime of the object; nests.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = previous_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

}  // namespace

void GameField::ApplyUpdates(UpdateList& updates)
{
    BusyScope busy(animating_);
    for (const ViewUpdate& update : updates.updates()) {
        if (update.type == UpdateType::moveCards) {
            if (const std::optional<CardTransfer> move = transferFor(view_, update))
                FlyCards(move->source, move->first, move->count, move->destination, move->insertion);
        } else {
            applyUpdate(view_, update);
            if (settings_.animation)
                ShowField();
        }
    }
    updates.clear();
    if (!settings_.animation)
        ShowField();
}

void GameField::FlyCards(int source, int first, int count, int destination, int insertion)
{
    const CardTransfer transfer{static_cast<std::uint16_t>(source), first, count,
                                static_cast<std::uint16_t>(destination), insertion};
    if (source < 0 || destination < 0 || !transferFits(view_, transfer))
        return;
    BusyScope busy(animating_);
    const bool sourceShown = view_.piles[transfer.source].shown;
    const bool destinationShown = view_.piles[transfer.destination].shown;
    const bool animated = sourceShown && destinationShown && settings_.animation;

    const std::vector<ViewCard> cards = takeViewCards(view_, source, first, count);
    Surface image;
    if (animated)
        image = renderGroup(groupImage(view_.card, view_.piles[transfer.source].spread, count), cards);
    if (sourceShown && settings_.animation)
        ShowField();
    if (animated) {
        if (const std::optional<FlightPath> path = planFlight(finder_.Items(), transfer)) {
            Surface saved(image.Width(), image.Height());
            for (const Point& at : path->frames) {
                saved.Copy(0, 0, image.Width(), image.Height(), backBuffer_, at.x, at.y);
                backBuffer_.Copy(at.x, at.y, image);
                present();
                programClock().sleep(kFlightFrameMs);
                backBuffer_.Copy(at.x, at.y, saved);
            }
        }
    }
    insertViewCards(view_, destination, insertion, cards);
    if (destinationShown && settings_.animation)
        ShowField();
}

Surface GameField::renderGroup(const GroupImage& group, const std::vector<ViewCard>& cards) const
{
    Surface image(group.width, group.height);
    for (const GroupImage::Place& place : group.places)
        if (place.card >= 0 && place.card < static_cast<int>(cards.size()))
            art_.DrawCard(image, place.at, cards[static_cast<std::size_t>(place.card)], settings_.cardBack);
    return image;
}

// ---- Hints ----------------------------------------------------------------------

void GameField::ShowHint(const Move& move)
{
    if (move.isTap) {
        if (!view_.validPile(move.pile))
            return;
        BusyScope busy(animating_);
        flashPileTop(move.pile);
    } else {
        const std::optional<CardPlace> card = findCard(move.card);
        if (!card || !view_.validPile(move.destination))
            return;
        BusyScope busy(animating_);
        flash(card->pile, card->index);
        flashPileTop(move.destination);
    }
    clearHighlight();
    if (isKeyboardMode(settings_.playMode)) {
        FindCandidates(CandidatePurpose::source);
        ShowField();
    }
}

std::optional<GameField::CardPlace> GameField::findCard(std::uint16_t cardId) const
{
    for (int p = 0; p < view_.pileCount(); ++p) {
        const std::vector<ViewCard>& cards = view_.piles[static_cast<std::size_t>(p)].cards;
        for (std::size_t i = 0; i < cards.size(); ++i)
            if (cards[i].cardId == cardId)
                return CardPlace{static_cast<std::uint16_t>(p), static_cast<std::uint16_t>(i)};
    }
    return std::nullopt;
}

// The pile's top card, or the empty pile itself.
void GameField::flashPileTop(int pile)
{
    const int count = view_.piles[static_cast<std::size_t>(pile)].count();
    flash(static_cast<std::uint16_t>(pile), count > 0 ? static_cast<std::uint16_t>(count - 1) : kEmptyPileItem);
}

// Highlighted, plain, highlighted, plain: each step shown and held.
void GameField::flash(std::uint16_t pile, std::uint16_t card)
{
    for (int step = 0; step < kHintSteps; ++step) {
        if (step % 2 == 0)
            setHighlight(pile, card);
        else
            clearHighlight();
        ShowField();
        programClock().sleep(kHintStepMs);
    }
}

}  // namespace velmora
