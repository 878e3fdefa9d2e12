#include "game_field.h"

#include "engine.h"
#include "pile_geometry.h"
#include "resources.h"
#include "screen.h"

namespace velmora {

GameField::GameField(Engine& engine)
    : engine_(engine), clockFont_(FontRequest{"", ScaleY(16), 700, false})
{
}

GameField::~GameField()
{
    cancelPointer();
    backBuffer_.Release();
    art_.Release();
}

bool GameField::CreateChild(CeBaseWnd& parent)
{
    RegisterWindowClass({std::string(kGameFieldClass), settings_.background, 0});
    return Create(kGameFieldClass, "", &parent);
}

bool GameField::OnCreate()
{
    updateBackBufferSize();
    return true;
}

void GameField::SetSettings(const FieldSettings& settings)
{
    if (settings.playMode != settings_.playMode) {
        cancelPointer();
        ClearSelection();
    }
    settings_ = settings;
    dirty_ = true;
}

void GameField::BuildView()
{
    cancelPointer();
    view_ = engine_.hasDefinition() && engine_.hasGame() ? velmora::BuildView(engine_.definition(), engine_.state())
                                                          : FieldView{};
    viewPrepared_ = false;
    // A new view: the old items and lists describe nothing on screen, and
    // the cursor starts again from the top-left corner.
    finder_.Items().clear();
    finder_.ClearLists();
    finder_.ResetCursor();
    dirty_ = true;
}

void GameField::PrepareCards()
{
    art_.Release();
    PrepareLayout(view_, screenMetrics());
    art_.Prepare(programResources(), screenMetrics(), view_.card, view_.largeCards);
    clearHighlight();
    viewPrepared_ = true;
    dirty_ = true;
}

// ---- Drawing ----------------------------------------------------------------

bool GameField::updateBackBufferSize()
{
    const Rect client = IsCreated() ? ClientRect() : Rect{};
    if (client != clientRect_ || (!backBuffer_.IsValid() && !client.isEmpty())) {
        backBuffer_.Release();
        clientRect_ = client;
        if (!client.isEmpty())
            backBuffer_.Create(client.width(), client.height());
        dirty_ = true;
        candidatesStale_ = finder_.HasLists();
    }
    return backBuffer_.IsValid();
}

void GameField::Repaint() { repaint(true); }

void GameField::repaint(bool withClock)
{
    if (!updateBackBufferSize())
        return;
    if (dirty_) {
        redrawAll();
        if (candidatesStale_ && !finder_.Frozen())
            refreshCandidatesAfterResize();
    }
    if (withClock && settings_.showTimer) {
        drawClock();
        // The dragged cards stay above the clock.
        if (drag_.dragging)
            backBuffer_.Copy(drag_.position.left, drag_.position.top, drag_.image);
    }
}

void GameField::redrawAll()
{
    backBuffer_.Fill(settings_.background);
    if (viewPrepared_) {
        const std::vector<FieldDrawItem> items =
            layOutField(view_, engine_.state().cards, clientSize(), highlight_, finder_.Items());
        for (const FieldDrawItem& item : items) {
            const Point at{item.rect.left, item.rect.top};
            if (item.kind == FieldDrawItem::Kind::card)
                art_.DrawCard(backBuffer_, at, item.card, settings_.cardBack);
            else
                art_.DrawEmptyPile(backBuffer_, at, item.mark);
            if (item.highlighted)
                backBuffer_.MarkRect(item.rect);
        }
        if (isKeyboardMode(settings_.playMode) && finder_.HasLists())
            drawCursor();
    }
    dirty_ = false;
}

void GameField::drawClock()
{
    if (!clockText_)
        return;
    const std::string text = clockText_();
    if (text.empty())
        return;
    const Rect box{clientRect_.right - ScaleX(70), clientRect_.bottom - ScaleY(20), clientRect_.right - ScaleX(10),
                   clientRect_.bottom};
    backBuffer_.SelectFont(clockFont_);
    backBuffer_.SetTextColour(textColourOver(settings_.background));
    backBuffer_.SetBackgroundTransparent();
    backBuffer_.DrawText(box, text, text_format::right | text_format::singleLine);
}

void GameField::present()
{
    if (!IsCreated() || !backBuffer_.IsValid())
        return;
    Present(backBuffer_, clientRect_.left, clientRect_.top);
    ++framesPresented_;
}

void GameField::ShowField()
{
    dirty_ = true;
    repaint(true);
    present();
}

void GameField::OnPaint(PaintContext& paint)
{
    repaint(true);
    if (backBuffer_.IsValid())
        paint.Copy(clientRect_.left, clientRect_.top, backBuffer_);
    else
        paint.FillRect(paint.ClientRect(), settings_.background);
}

// ---- Queries ----------------------------------------------------------------

Point GameField::PileOrigin(int pile) const
{
    return view_.validPile(pile) ? velmora::PileOrigin(view_, pile, clientSize()) : Point{};
}

Point GameField::CardPosition(int pile, int index) const
{
    return view_.validPile(pile) ? velmora::CardPosition(view_, pile, index, clientSize()) : Point{};
}

std::optional<Hit> GameField::HitTest(Point point) const { return velmora::HitTest(finder_.Items(), view_, point); }

std::optional<std::uint16_t> GameField::cardIdAt(int pile, int index) const
{
    if (!view_.validPile(pile) || index < 0 || index >= view_.piles[static_cast<std::size_t>(pile)].count())
        return std::nullopt;
    return view_.piles[static_cast<std::size_t>(pile)].cards[static_cast<std::size_t>(index)].cardId;
}

// ---- Completing an action -------------------------------------------------------

void GameField::completeAction()
{
    UpdateList updates(view_);
    if (engine_.runAfterMoveEvents(&updates))
        ApplyUpdates(updates);
    if (CeBaseWnd* parent = Parent())
        parent->SendMessage(WM_SOL_CHECKEND);
}

}  // namespace velmora
