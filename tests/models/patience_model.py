"""A model of the standard rules shared by the Klondike and Yukon families:
a stock dealing to a waste (or to the rows), tableau piles built down, free
cells, open reserves and foundations built up in suit. Each game is one row
of settings (see `Rules`); the model keeps its own position and says which
steps are legal and what each step does."""

STOCK, WASTE, TABLEAU, CELL, RESERVE, FOUNDATION = "stock", "waste", "tableau", "cell", "reserve", "foundation"
# An empty stock left over from the deal, in games that have no stock in play.
SPENT = "spent stock"


def colour(suit):
    return 0 if suit in (1, 2) else 1


# Whether card b may lie on card a in a tableau pile, by building rule.
BUILDS = {
    "alt": lambda a, b: colour(a.suit) != colour(b.suit) and b.rank == a.rank - 1,
    "suit": lambda a, b: a.suit == b.suit and b.rank == a.rank - 1,
    "colour": lambda a, b: colour(a.suit) == colour(b.suit) and b.rank == a.rank - 1,
    "other_suit": lambda a, b: a.suit != b.suit and b.rank == a.rank - 1,
    "rank": lambda a, b: b.rank == a.rank - 1,
    "suit_updown": lambda a, b: a.suit == b.suit and abs(b.rank - a.rank) == 1,
    "alt_updown": lambda a, b: colour(a.suit) != colour(b.suit) and abs(b.rank - a.rank) == 1,
    "none": lambda a, b: False,
}


class Card:
    __slots__ = ("id", "suit", "rank", "up")

    def __init__(self, id, suit, rank, up):
        self.id, self.suit, self.rank, self.up = id, suit, rank, up

    def key(self):
        return (self.id, self.suit, self.rank, self.up)


class Rules:
    """One game's settings. deal: per tableau pile a face pattern, bottom
    first ('d' down, 'U' up). build: tableau building rule (see BUILDS).
    group: which cards may move together from the tableau: 'seq' (built by
    the building rule), 'suit_seq' (down in suit), 'any' (any face-up cards)
    or 'single'. space: what fills an empty tableau pile: 'any', 'king' or
    'none'. draw: cards per tap to the waste; deal_to 'rows' deals one card
    to each tableau pile instead. redeals: -1 unlimited. differs: points on
    which the program is known to differ (see MISMATCHES.md)."""

    def __init__(self, name, deal, decks=1, stock=True, waste=True, draw=1, start_waste=None, deal_to="waste",
                 redeals=0, build="alt", group="seq", space="king", cells=0, reserves=(), foundation_aces=0,
                 found_back=False, differs=()):
        self.name, self.deal, self.decks = name, list(deal), decks
        self.stock, self.waste, self.draw, self.deal_to = stock, waste, draw, deal_to
        self.start_waste = (draw if waste else 0) if start_waste is None else start_waste
        self.redeals, self.build, self.group, self.space = redeals, build, group, space
        self.cells, self.reserves, self.foundation_aces = cells, tuple(reserves), foundation_aces
        self.found_back, self.differs = found_back, set(differs)

    def roles(self):
        """Each pile's role, in the record's pile order."""
        roles = []
        if self.stock:
            roles.append(STOCK)
        if self.waste:
            roles.append(WASTE)
        roles += [TABLEAU] * len(self.deal) + [RESERVE] * len(self.reserves) + [CELL] * self.cells
        return roles + [FOUNDATION] * (4 * self.decks)


def triangle(columns, up=1):
    """Pile i holds i face-down cards under `up` face-up ones."""
    return ["d" * i + "U" * up for i in range(columns)]


class Model:
    def __init__(self, rules, cards):
        """cards: the program's opening position, one list of Card per pile."""
        self.rules = rules
        self.roles = rules.roles()
        if not rules.stock and len(cards) == len(self.roles) + 1 and not cards[0]:
            self.roles.insert(0, SPENT)
        self.piles = cards
        self.redeals_left = rules.redeals

    def of(self, role):
        return [i for i, r in enumerate(self.roles) if r == role]

    def deal_problems(self):
        """What is wrong with the opening position's shape, as sentences."""
        r, out = self.rules, []
        if len(self.piles) != len(self.roles):
            return ["%d piles, expected %d" % (len(self.piles), len(self.roles))]
        ids = [c.id for p in self.piles for c in p]
        if len(ids) != len(set(ids)) or len(ids) != 52 * r.decks:
            out.append("%d cards (%d distinct), expected %d" % (len(ids), len(set(ids)), 52 * r.decks))
        faces = sorted((c.suit, c.rank) for p in self.piles for c in p)
        if faces != sorted((s, k) for s in range(1, 5) for k in range(1, 14)) * r.decks and \
                faces != sorted([(s, k) for s in range(1, 5) for k in range(1, 14)] * r.decks):
            out.append("the cards are not %d full pack(s)" % r.decks)
        patterns = list(r.deal) + [p for p in r.reserves]
        for i, pattern in zip(self.of(TABLEAU) + self.of(RESERVE), patterns):
            got = "".join("U" if c.up else "d" for c in self.piles[i])
            if got != pattern:
                out.append("pile %d dealt %s, expected %s" % (i, got, pattern))
        if r.waste and len(self.piles[self.of(WASTE)[0]]) != r.start_waste:
            out.append("waste starts with %d cards, expected %d" % (len(self.piles[1]), r.start_waste))
        if r.stock and any(c.up for c in self.piles[0]):
            out.append("a stock card is face up")
        found = [c for i in self.of(FOUNDATION) for c in self.piles[i]]
        if len(found) != r.foundation_aces or any(c.rank != 1 for c in found):
            out.append("foundations start with %s" % [(c.suit, c.rank) for c in found])
        return out

    # ---- legality ----
    def can_tap(self):
        if not self.rules.stock:
            return False
        if self.piles[0]:
            return True
        return self.rules.deal_to == "waste" and bool(self.piles[1]) and self.redeals_left != 0

    def group_ok(self, group):
        if not all(c.up for c in group):
            return False
        kind = self.rules.group
        if kind == "single":
            return len(group) == 1
        if kind == "any":
            return True
        fits = BUILDS[self.rules.build] if kind == "seq" else BUILDS["suit"]
        return all(fits(a, b) for a, b in zip(group, group[1:]))

    def accepts(self, to, group):
        pile, role, base = self.piles[to], self.roles[to], group[0]
        if role == FOUNDATION:
            if len(group) != 1:
                return False
            if not pile:
                return base.rank == 1
            return pile[-1].suit == base.suit and base.rank == pile[-1].rank + 1
        if role == CELL:
            return len(group) == 1 and not pile
        if role != TABLEAU:
            return False
        if not pile:
            return self.rules.space == "any" or (self.rules.space == "king" and base.rank == 13)
        return pile[-1].up and BUILDS[self.rules.build](pile[-1], base)

    def groups(self):
        """(pile, index) of every card that may start a moving group."""
        for i, role in enumerate(self.roles):
            pile = self.piles[i]
            if not pile:
                continue
            if role == TABLEAU:
                for k in range(len(pile)):
                    if self.group_ok(pile[k:]):
                        yield i, k
            elif role in (WASTE, CELL, RESERVE) and pile[-1].up:
                yield i, len(pile) - 1
            elif role == FOUNDATION and self.rules.found_back and len(pile) > 1:
                # An ace taken back could hold nothing: only higher cards return.
                yield i, len(pile) - 1

    def legal(self):
        out = {"t 0"} if self.can_tap() else set()
        targets = [i for i, r in enumerate(self.roles) if r in (TABLEAU, CELL, FOUNDATION)]
        for i, k in self.groups():
            group = self.piles[i][k:]
            for to in targets:
                # Moving a card from one foundation to another achieves nothing.
                if self.roles[i] == FOUNDATION and self.roles[to] == FOUNDATION:
                    continue
                if to != i and self.accepts(to, group):
                    out.add("m %d %d" % (group[0].id, to))
        return out

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
        if words[0] == "t":
            self.tap()
            return
        i, k = self.find(int(words[1]))
        group = self.piles[i][k:]
        del self.piles[i][k:]
        self.piles[int(words[2])] += group
        if self.roles[i] == TABLEAU and self.piles[i] and not self.piles[i][-1].up:
            self.piles[i][-1].up = True

    def tap(self):
        stock = self.piles[0]
        if not stock:
            waste = self.piles[1]
            # Turning the waste over puts its first card back on top.
            order = waste if "stock_bottom" in self.rules.differs else reversed(waste)
            self.piles[0] = [Card(c.id, c.suit, c.rank, False) for c in order]
            self.piles[1] = []
            if self.redeals_left > 0:
                self.redeals_left -= 1
            return
        if self.rules.deal_to == "rows":
            for i in self.of(TABLEAU):
                if stock:
                    self.piles[i].append(self.take(stock))
            return
        for _ in range(min(self.rules.draw, len(stock))):
            self.piles[1].append(self.take(stock))

    def take(self, stock):
        card = stock.pop(0) if "stock_bottom" in self.rules.differs else stock.pop()
        card.up = True
        return card

    def won(self):
        return sum(len(self.piles[i]) for i in self.of(FOUNDATION)) == 52 * self.rules.decks
