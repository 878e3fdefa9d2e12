"""A model of the rules shared by the Klondike, Yukon, Forty Thieves and
Gypsy families: a stock dealing to a waste (or to the rows or reserves),
tableau piles built down, free cells, open reserves and foundations. Each
game is one row of settings (see `Rules` in patience_rules); the model keeps
its own position and says which steps are legal and what each step does,
with what follows by itself (spaces filled, whole suits or waste cards going
out: see patience_fills)."""

from patience_fills import Fills
from patience_rules import (CELL, FOUNDATION, KEPT, RESERVE, SPENT, STOCK, SUITS, TABLEAU, WASTE, Card, by_suit,
                            fits)

# The piles a tap deals to, by the `deal_to` setting.
DEALT_PILES = {
    "rows": lambda model: model.of(TABLEAU),
    "first": lambda model: model.of(TABLEAU)[:1],
    "reserves": lambda model: model.of(RESERVE),
}
# The rank an empty tableau pile takes, by the `space` setting.
SPACE_RANKS = {"king": 13, "queen": 12, "ace": 1}


class Model(Fills):
    def __init__(self, rules, cards):
        """cards: the program's opening position, one list of Card per pile."""
        self.rules = rules
        self.roles = rules.roles()
        if not rules.stock and len(cards) == len(self.roles) + 1 and not cards[0]:
            self.roles.insert(0, SPENT)
        # Where the stock and waste lie: first unless the row lists them last.
        self.stock_at = self.roles.index(STOCK) if STOCK in self.roles else 0
        self.waste_at = self.roles.index(WASTE) if WASTE in self.roles else 1
        self.tap_step = "t %d" % self.stock_at
        self.piles = cards
        self.redeals_left = rules.redeals
        self.passes = 0

    @property
    def base(self):
        """The rank every foundation starts from: a fixed rank, or with
        found_base 'dealt' the rank of the first card on any foundation
        (None while they are all empty)."""
        if self.rules.found_base != "dealt":
            return self.rules.found_base
        return next((self.piles[i][0].rank for i in self.of(FOUNDATION) if self.piles[i]), None)

    def of_foundation(self, setting, f):
        """A foundation setting that is one value, or one per foundation."""
        return setting[self.of(FOUNDATION).index(f)] if isinstance(setting, list) else setting

    def of(self, role):
        return [i for i, r in enumerate(self.roles) if r == role]

    def deal_problems(self):
        """What is wrong with the opening position's shape, as sentences."""
        r, out = self.rules, []
        if len(self.piles) != len(self.roles):
            return ["%d piles, expected %d" % (len(self.piles), len(self.roles))]
        ids = [c.id for p in self.piles for c in p]
        if len(ids) != len(set(ids)) or len(ids) != r.cards():
            out.append("%d cards (%d distinct), expected %d" % (len(ids), len(set(ids)), r.cards()))
        faces = sorted((c.suit, c.rank) for p in self.piles for c in p)
        suits = sorted({suit for suit, _ in faces})
        if len(suits) != r.suits or faces != sorted([(s, k) for s in suits for k in r.pack_ranks()] * r.decks):
            out.append("the cards are not %d pack(s) of %d suits" % (r.decks, r.suits))
        for i, pattern in zip(self.of(TABLEAU) + self.of(RESERVE) + self.of(CELL), r.patterns()):
            got = "".join("U" if c.up else "d" for c in self.piles[i])
            # A pattern ending in '*' repeats its last face any number of times.
            if got != pattern and not (pattern.endswith("*") and got.rstrip(pattern[-2]) == pattern[:-2]):
                out.append("pile %d dealt %s, expected %s" % (i, got, pattern))
        if r.waste and r.start_waste != "any" and len(self.piles[self.waste_at]) != r.start_waste:
            out.append("waste starts with %d cards, expected %d" % (len(self.piles[self.waste_at]), r.start_waste))
        stock = self.piles[self.stock_at]
        if r.stock and any(c.up for c in (stock[:-1] if r.stock_open else stock)):
            out.append("a stock card is face up")
        found = [c for i in self.of(FOUNDATION) for c in self.piles[i]]
        if r.foundation_aces == "any":
            if not all(self.built_up(i, self.piles[i]) for i in self.of(FOUNDATION)):
                out.append("foundations start with %s" % [(c.suit, c.rank) for c in found])
        elif sorted(c.rank for c in found) != sorted(r.found_dealt or [self.base] * r.foundation_aces):
            out.append("foundations start with %s" % [(c.suit, c.rank) for c in found])
        return out

    def built_up(self, f, pile):
        """Whether a foundation pile could have been built card by card."""
        return all(self.foundation_accepts(f, pile[k:k + 1], pile[:k]) for k in range(len(pile)))

    # ---- legality ----
    def can_tap(self):
        if not self.rules.stock:
            return False
        if self.rules.deal_to == "none":
            return False
        stock = self.piles[self.stock_at]
        if stock and self.rules.deal_waits and not self.reserves_last(stock):
            # The deal waits until every tableau pile holds a card.
            return not stock[-1].up and all(self.piles[i] for i in self.of(TABLEAU))
        if stock and self.rules.waste_size is not None:
            room = len(self.piles[self.waste_at]) + self.rules.draw <= self.rules.waste_size
            return not stock[-1].up and room
        if stock:
            return not stock[-1].up
        if self.kept():
            return True
        if self.rules.relay:
            return self.redeals_left != 0
        return self.rules.deal_to == "waste" and bool(self.piles[self.waste_at]) and self.redeals_left != 0

    def reserves_last(self, stock):
        """Whether, with last_to_reserves, the stock is down to as many
        cards as there are reserves, which its next tap deals there."""
        if self.rules.kept_apart:
            return self.rules.last_to_reserves and not stock and bool(self.kept())
        return self.rules.last_to_reserves and len(stock) <= len(self.of(RESERVE))

    def kept(self):
        """The cards kept apart for the last deal (kept_apart), else none."""
        return self.piles[self.of(KEPT)[0]] if self.rules.kept_apart else []

    def relaying(self, step):
        """Whether the step gathers the tableau and lays it out anew, which
        the model cannot foresee (see `adopt`)."""
        return step == self.tap_step and self.rules.relay and not self.piles[self.stock_at]

    def adopt(self, piles):
        """Takes the program's layout after a relaying tap, with what is
        wrong with it as sentences: the tableau must hold the same cards and
        nothing else may change."""
        tableau = self.of(TABLEAU)

        def tableau_cards(source):
            return sorted(c.id for i in tableau for c in source[i])

        def other_piles(source):
            return [[c.key() for c in p] for i, p in enumerate(source) if i not in tableau]

        problems = []
        if tableau_cards(piles) != tableau_cards(self.piles):
            problems.append("the tableau holds other cards after the redeal")
        if other_piles(piles) != other_piles(self.piles):
            problems.append("the redeal changed piles outside the tableau")
        self.piles = piles
        self.redeals_left -= 1
        return problems

    def group_ok(self, group):
        if not all(c.up for c in group):
            return False
        kind = self.rules.group
        if kind == "single":
            return len(group) == 1
        if kind == "any":
            return True
        return self.in_sequence(group, self.rules.build if kind == "seq" else "suit")

    def in_sequence(self, cards, build):
        r = self.rules
        return all(fits(build, a, b, r.wrap, by_suit(r.build_step, a)) for a, b in zip(cards, cards[1:]))

    def accepts(self, to, group, source):
        pile, role, base = self.piles[to], self.roles[to], group[0]
        if role == FOUNDATION:
            if self.rules.found_sources and source not in self.rules.found_sources:
                return False
            return self.foundation_accepts(to, group)
        if role == CELL:
            r = self.rules
            if (r.cell_late and self.piles[self.stock_at]) or (r.cell_sources and source not in r.cell_sources):
                return False
            if r.cell_groups:
                return not pile
            rank = r.cell_rank
            if isinstance(rank, (list, tuple)):
                rank = rank[self.of(CELL).index(to)]
            return len(group) == 1 and len(pile) < self.rules.cell_size and rank in (None, base.rank)
        if role == STOCK:
            # A spent stock kept as a reserve takes single cards.
            return self.rules.stock_reserve and len(group) == 1 and all(c.up for c in pile)
        if role != TABLEAU or (self.rules.sources and source not in self.rules.sources):
            return False
        if not pile:
            if self.rules.space_sources and source not in self.rules.space_sources:
                return False
            return self.space_takes(base) and not (self.rules.space_single and len(group) > 1)
        if self.rules.blind and not pile[-1].up:
            return True
        if self.rules.ace_high and base.rank == 1:
            return False
        if self.rules.pile_size and len(pile) + len(group) > self.rules.pile_size:
            return False
        if self.rules.onto_card_single and len(group) > 1:
            return False
        return pile[-1].up and self.in_sequence([pile[-1], base], self.rules.build)

    def space_takes(self, card):
        space = self.rules.space
        if space == "below_base":
            # Nothing fills a space until the foundations have a rank.
            return self.base is not None and card.rank == (self.base - 2) % 13 + 1
        if isinstance(space, tuple):
            return card.rank in space
        return space == "any" or SPACE_RANKS.get(space, space) == card.rank

    def foundation_accepts(self, f, group, pile=None):
        """Whether foundation f takes the group; pile: what it would hold
        instead of its cards."""
        r = self.rules
        pile = self.piles[f] if pile is None else pile
        if self.of_foundation(r.found_whole, f):
            run = self.of_foundation(r.found_build, f)
            return not pile and len(group) == 13 and group[0].rank == 13 and self.in_sequence(group, run)
        if len(group) != 1:
            return False
        card = group[0]
        if not pile:
            base = self.of_foundation(r.found_base, f) if isinstance(r.found_base, list) else self.base
            if base is None and "base_on_first" in r.differs and f != self.of(FOUNDATION)[0]:
                return False
            return (base is None or card.rank == base) and self.of_foundation(r.found_suit, f) in (None, card.suit)
        top = pile[-1]
        step = by_suit(self.of_foundation(r.found_dir, f), card)
        size = self.of_foundation(r.found_size, f)
        suits_fit = SUITS[self.of_foundation(r.found_build, f)](top, card)
        ranks = r.pack_ranks()
        steps = (1, -1) if step == "updown" else (step,)
        climbed = any((ranks.index(card.rank) - ranks.index(top.rank) - s) % len(ranks) == 0 for s in steps)
        return len(pile) < size and suits_fit and climbed

    def groups(self):
        """(pile, index) of every card that may start a moving group."""
        for i, role in enumerate(self.roles):
            pile = self.piles[i]
            if not pile:
                continue
            if role == TABLEAU or (role == CELL and self.rules.cell_groups):
                for k in range(len(pile)):
                    if self.group_ok(pile[k:]):
                        yield i, k
            elif role in (WASTE, CELL, RESERVE, STOCK) and pile[-1].up and not self.covered(i):
                yield i, len(pile) - 1
            elif role == FOUNDATION and self.foundation_open() and len(pile) > 1:
                # A foundation's first card taken back could hold nothing: only later cards return.
                yield i, len(pile) - 1

    def foundation_open(self):
        """Whether foundation cards may come back now."""
        back = self.rules.found_back
        return not self.piles[self.stock_at] if back == "stock_spent" else bool(back)

    def covered(self, i):
        """Whether reserve pile i lies under reserve cards still in place."""
        blocks = self.rules.reserve_blocks
        if self.roles[i] != RESERVE or not blocks:
            return False
        reserves = self.of(RESERVE)
        return any(self.piles[reserves[b]] for b in blocks[reserves.index(i)])

    def unlocked_reserves(self):
        """With locked_reserves, the face-down reserve cards a tap may turn
        up: each one's foundation, counted alike, is full. With
        waking_reserves, while a tableau pile is empty: the first reserve's,
        or one whose neighbour before it is empty."""
        if self.rules.waking_reserves:
            reserves = self.of(RESERVE)
            if all(self.piles[i] for i in self.of(TABLEAU)):
                return []
            return [i for i in reserves if self.piles[i] and not self.piles[i][-1].up
                    and (i == reserves[0] or not self.piles[i - 1])]
        if not self.rules.locked_reserves:
            return []
        pairs = zip(self.of(RESERVE), self.of(FOUNDATION))
        return [r for r, f in pairs if self.piles[r] and not self.piles[r][-1].up and len(self.piles[f]) == 13]

    def legal(self):
        out = {self.tap_step} if self.can_tap() else set()
        out |= {"t %d" % i for i in self.unlocked_reserves()}
        if self.rules.blind:
            out |= {"t %d" % i for i in self.of(TABLEAU) if self.piles[i] and not self.piles[i][-1].up}
        kinds = (TABLEAU, CELL, FOUNDATION, STOCK) if self.rules.stock_reserve else (TABLEAU, CELL, FOUNDATION)
        targets = [i for i, r in enumerate(self.roles) if r in kinds]
        for i, k in self.groups():
            group = self.piles[i][k:]
            for to in targets:
                # Moving a card from one foundation to another achieves
                # nothing, unless they are built in different directions.
                if self.roles[i] == FOUNDATION and self.roles[to] == FOUNDATION and not self.rules.found_across:
                    continue
                if to != i and not self.walled_off(i, to) and not self.lone_held(i, to) \
                        and self.accepts(to, group, self.roles[i]):
                    out.add("m %d %d" % (group[0].id, to))
        return out

    def walled_off(self, i, to):
        """Whether, with `walled`, a card of the first tableau piles would
        go onto one of the others."""
        rows, n = self.of(TABLEAU), self.rules.walled
        return bool(n) and i in rows[:n] and to in rows[n:]

    def lone_held(self, i, to):
        """Whether, with lone_cards while the stock lasts, a move would put a
        card onto a tableau pile of one card, or move a pile's lone card
        onto another."""
        if not self.rules.lone_cards or not self.piles[self.stock_at] or self.roles[to] != TABLEAU:
            return False
        target = self.piles[to]
        return bool(target) and (len(target) == 1 or (self.roles[i] == TABLEAU and len(self.piles[i]) == 1))

    def find(self, card_id):
        for i, pile in enumerate(self.piles):
            for k, c in enumerate(pile):
                if c.id == card_id:
                    return i, k
        raise KeyError(card_id)

    # ---- steps ----
    def apply(self, step):
        """Plays a step the model holds legal."""
        words = step.split()
        if words[0] == "t" and int(words[1]) != self.stock_at:
            self.piles[int(words[1])][-1].up = True
        elif words[0] == "t":
            self.tap()
        else:
            i, k = self.find(int(words[1]))
            self.shift(i, k, int(words[2]))
        if "auto_whole" in self.rules.differs:
            self.clear_whole_suits()
        self.send_waste_out()
        if self.rules.fill in ("waste", "waste_top"):
            self.fill_spaces_from_waste()
            self.send_waste_out()
        elif self.rules.fill == "stock":
            self.fill_spaces_from_stock()
        elif self.rules.fill == "from_right":
            self.fill_spaces_from_right()
        elif self.rules.fill in ("reserves", "reserves_then_waste"):
            self.fill_spaces_from_reserves()
        if self.rules.reserve_fill:
            self.fill_spaces_from_waste(self.of(RESERVE), turn=True)
        if self.rules.waste_refill and not self.piles[self.waste_at] and self.piles[self.stock_at]:
            self.tap()
        stock = self.piles[self.stock_at]
        if self.rules.stock_open and stock:
            stock[-1].up = True

    def shift(self, i, k, to):
        """Moves pile i's cards from index k onto pile `to`, turning up the
        tableau card they uncover."""
        group = self.piles[i][k:]
        del self.piles[i][k:]
        self.piles[to] += group
        if self.roles[i] == TABLEAU and self.piles[i] and not self.piles[i][-1].up and not self.rules.blind:
            self.piles[i][-1].up = True

    def tap(self):
        stock = self.piles[self.stock_at]
        if not stock and self.kept():
            kept = self.kept()
            targets = (self.of(RESERVE) if self.rules.last_to_reserves
                       else self.of(TABLEAU) if self.rules.last_to_rows else self.dealt_piles(len(kept)))
            for i in targets:
                self.deal_one(kept, i)
            return
        if not stock:
            waste = self.piles[self.waste_at]
            # Turning the waste over puts its first card back on top.
            order = waste if "stock_bottom" in self.rules.differs else reversed(waste)
            self.piles[self.stock_at] = [Card(c.id, c.suit, c.rank, False) for c in order]
            self.piles[self.waste_at] = []
            self.passes += 1
            if self.redeals_left > 0:
                self.redeals_left -= 1
            return
        if self.reserves_last(stock):
            for i in self.of(RESERVE):
                self.deal_one(stock, i)
            return
        if self.rules.last_to_rows and len(stock) == len(self.of(TABLEAU)):
            for i in self.of(TABLEAU):
                self.deal_one(stock, i)
            return
        if self.rules.deal_to in DEALT_PILES:
            for _ in range(self.rules.deal_rounds):
                for i in self.dealt_piles(len(stock)):
                    for _ in range(self.rules.deal_each):
                        self.deal_one(stock, i)
            if self.rules.last_two_open and len(stock) == 2:
                # The last two cards are both put in play: one on the waste,
                # one face up on the stock.
                self.piles[self.waste_at].append(self.take(stock))
                stock[0].up = True
            return
        draw = self.rules.draw
        if isinstance(draw, (list, tuple)):
            draw = draw[min(self.passes, len(draw) - 1)]
        for _ in range(min(draw, len(stock))):
            self.piles[self.waste_at].append(self.take(stock))

    def dealt_piles(self, left):
        """The piles a tap deals to with `left` cards in the stock: with
        short_deal 'middle' a deal too short for every pile goes to the
        middle ones."""
        piles = DEALT_PILES[self.rules.deal_to](self)
        if self.rules.short_deal == "middle" and left < len(piles):
            skip = (len(piles) - left) // 2
            return piles[skip:skip + left]
        return piles

    def deal_one(self, stock, i):
        """Deals the stock's top card onto pile i; with deal_aces_out a card
        of the foundations' first rank goes to the first foundation that
        takes it instead, and the next card is dealt in its place."""
        while stock:
            card = self.take(stock)
            if self.rules.deal_aces_out and card.rank == self.base:
                to = next((f for f in self.of(FOUNDATION) if self.foundation_accepts(f, [card])), None)
                if to is not None:
                    self.piles[to].append(card)
                    continue
            self.piles[i].append(card)
            return

    def take(self, stock):
        card = stock.pop(0) if "stock_bottom" in self.rules.differs else stock.pop()
        card.up = True
        return card

    def won(self):
        if self.rules.won_laid_out:
            size = self.rules.pile_size
            rows = [len(self.piles[i]) for i in self.of(TABLEAU)]
            return sum(rows) == self.rules.cards() and all(n in (0, size) for n in rows if size)
        if self.rules.won_rows:
            rows = [self.piles[i] for i in self.of(TABLEAU) if self.piles[i]]
            return bool(rows) and all(len(p) == 13 and p[0].rank == 13 and all(c.up for c in p)
                                      and self.in_sequence(p, self.rules.won_rows) for p in rows)
        return sum(len(self.piles[i]) for i in self.of(FOUNDATION)) == self.rules.cards()
