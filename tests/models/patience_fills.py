"""What the rules model does by itself after a step: whole suits and waste
cards going out, and spaces (or reserves) filled from the waste, the stock,
the reserves or the next pile. A part of `patience_model.Model`."""

from patience_rules import FOUNDATION, RESERVE, TABLEAU


class Fills:
    def clear_whole_suits(self):
        """Moves every whole suit lying at the top of a tableau pile to the
        first empty foundation."""
        for i in self.of(TABLEAU):
            pile = self.piles[i]
            empty = next((f for f in self.of(FOUNDATION) if not self.piles[f]), None)
            if len(pile) >= 13 and self.group_ok(pile[-13:]) and empty and self.foundation_accepts(empty, pile[-13:]):
                self.shift(i, len(pile) - 13, empty)

    def send_waste_out(self):
        """With waste_out, plays the waste's top card to the first foundation
        that takes it, again and again."""
        waste = self.piles[self.waste_at]
        while self.rules.waste_out and waste:
            to = next((f for f in self.of(FOUNDATION) if self.foundation_accepts(f, waste[-1:])), None)
            if to is None:
                return
            self.shift(self.waste_at, len(self.piles[self.waste_at]) - 1, to)

    def fill_spaces_from_waste(self, piles=None, turn=None):
        """Fills each empty tableau pile (or each of `piles`) with the
        waste's top card, turning the stock first when the waste is empty
        (but for fill 'waste_top')."""
        turn = self.rules.fill == "waste" if turn is None else turn
        for i in self.of(TABLEAU) if piles is None else piles:
            if self.piles[i]:
                continue
            while turn and not self.piles[self.waste_at] and self.piles[self.stock_at]:
                self.tap()
                self.send_waste_out()
            if self.piles[self.waste_at]:
                self.shift(self.waste_at, len(self.piles[self.waste_at]) - 1, i)

    def fill_spaces_from_stock(self):
        """Fills each empty tableau pile from the stock, with as many cards
        as fill_faces names, facing as it says; the top one always face up."""
        stock = self.piles[self.stock_at]
        for i in self.of(TABLEAU):
            if self.piles[i] or not stock:
                continue
            for face in self.rules.fill_faces:
                if stock:
                    card = self.take(stock)
                    card.up = face == "U"
                    self.piles[i].append(card)
            self.piles[i][-1].up = True

    def fill_spaces_from_reserves(self):
        """Fills each empty tableau pile from the first of the longest
        reserves, and with 'reserves_then_waste' from the waste once the
        reserves are spent."""
        for i in self.of(TABLEAU):
            if self.piles[i]:
                continue
            reserves = [r for r in self.of(RESERVE) if self.piles[r]]
            source = max(reserves, key=lambda r: len(self.piles[r]), default=None)
            if source is None and self.rules.fill == "reserves_then_waste" and self.piles[self.waste_at]:
                source = self.waste_at
            if source is not None:
                self.shift(source, len(self.piles[source]) - 1, i)

    def fill_spaces_from_right(self):
        """Fills each empty tableau pile with the built cards at the top of
        the pile to its right, which may empty that one in turn."""
        rows = self.of(TABLEAU)
        for left, right in zip(rows, rows[1:]):
            pile = self.piles[right]
            if self.piles[left] or not pile:
                continue
            k = len(pile) - 1
            while k > 0 and pile[k - 1].up and self.in_sequence(pile[k - 1:], self.rules.build):
                k -= 1
            self.shift(right, k, left)
