"""Plays a rules-model row on its own, for games not yet in the database: it
lays out a shuffled pack the way the row says the deal does, checks that the
model accepts that opening, and plays random legal steps, checking that no
card is lost or doubled. A row that cannot deal its own opening, or a model
feature that breaks in play, shows before the game's record lands."""

import random

from patience_model import Model
from patience_rules import CELL, FOUNDATION, RESERVE, STOCK, TABLEAU, WASTE, Card


def shuffled_pack(rules, rnd):
    suits = range(1, rules.suits + 1)
    cards = [Card(len(suits) * 13 * deck + 13 * s + r, suit, r + 1, False)
             for deck in range(rules.decks) for s, suit in enumerate(suits) for r in range(13)]
    rnd.shuffle(cards)
    return cards


def take(cards, up, rank=None):
    card = cards.pop() if rank is None else cards.pop(next(i for i, c in enumerate(cards) if c.rank == rank))
    card.up = up
    return card


def opening(rules, rnd):
    """An opening position shaped as the row says, from a shuffled pack."""
    cards, roles = shuffled_pack(rules, rnd), rules.roles()
    piles = [[] for _ in roles]
    foundations = [i for i, role in enumerate(roles) if role == FOUNDATION]
    base = 1 if rules.found_base == "dealt" else rules.found_base
    aces = 0 if rules.foundation_aces == "any" else rules.foundation_aces
    for i, rank in zip(foundations, rules.found_dealt or [base] * aces):
        piles[i].append(take(cards, True, rank))
    laid_out = [i for role in (TABLEAU, RESERVE, CELL) for i, r in enumerate(roles) if r == role]
    for i, pattern in zip(laid_out, rules.patterns()):
        piles[i] += [take(cards, face == "U") for face in pattern.rstrip("*")]
    if rules.waste:
        waste = [take(cards, True) for _ in range(1 if rules.start_waste == "any" else rules.start_waste)]
        piles[roles.index(WASTE)] += waste
    if rules.stock:
        piles[roles.index(STOCK)] = cards
    return piles


def self_play(rules, seed=1, steps=200):
    """What goes wrong playing the row on its own, as sentences."""
    rnd = random.Random(seed)
    model = Model(rules, opening(rules, rnd))
    problems = model.deal_problems()
    trail = []
    while not problems and len(trail) < steps and not model.won():
        legal = sorted(model.legal())
        if not legal:
            break
        trail.append(rnd.choice(legal))
        try:
            if model.relaying(trail[-1]):
                # Laid out again as it lies: the program chooses the real order.
                problems += model.adopt([list(pile) for pile in model.piles])
            else:
                model.apply(trail[-1])
        except (IndexError, KeyError, StopIteration, TypeError, ValueError) as error:
            problems.append("%r after [%s]" % (error, ";".join(trail)))
            break
        ids = [c.id for pile in model.piles for c in pile]
        if len(ids) != rules.cards() or len(set(ids)) != len(ids):
            problems.append("%d cards (%d distinct) after [%s]" % (len(ids), len(set(ids)), ";".join(trail)))
    return ["%s, played alone: %s" % (rules.name, p) for p in problems]
