"""Plays games through velmora-cli and the rules model side by side: at every
position the legal moves, the effect of each step, its undo and a few steps
the model holds illegal must agree. Used by each family's test script:

    python3 FAMILY_test.py VELMORA_CLI WINS_DIR

VELMORA_MODEL_PLAYOUTS (default 3) and VELMORA_MODEL_STEPS (default 60) set
the random play-outs per game; VELMORA_MODEL_PROBES (default 4) the refused
steps tried at each position. VELMORA_MODEL_SHARD=K/N checks only the K-th of
N equal shares of the family's rows (K from 1), so that a large family runs
as several tests side by side."""

import os
import random
import sys

import model_selfplay
import velmora_session as vs
from patience_model import Model
from patience_rules import Card


class Mismatch(Exception):
    pass


def cards_of(position):
    return [[Card(c["card"], c["suit"], c["rank"], c["faceUp"]) for c in p["cards"]] for p in position["piles"]]


def keys(piles):
    return [[c.key() for c in p] for p in piles]


def describe_difference(model_piles, program_piles):
    for i, (m, p) in enumerate(zip(model_piles, program_piles)):
        if m != p:
            return "pile %d: model %s, program %s" % (i, m, p)
    return "pile count: model %d, program %d" % (len(model_piles), len(program_piles))


class Checker:
    def __init__(self, cli, rules, deal, seed):
        self.session = vs.Session(cli, rules.name, deal)
        self.model = Model(rules, cards_of(self.session.position))
        self.random = random.Random(seed)
        self.trail = []
        self.probes = int(os.environ.get("VELMORA_MODEL_PROBES", "4"))
        problems = self.model.deal_problems()
        if problems:
            raise Mismatch("deal: " + "; ".join(problems))

    def fail(self, what):
        raise Mismatch("%s after [%s]" % (what, ";".join(self.trail)))

    def compare_position(self, what):
        program = keys(cards_of(self.session.position))
        model = keys(self.model.piles)
        if program != model:
            self.fail("%s: %s" % (what, describe_difference(model, program)))
        won = self.session.position["status"] == "won"
        if won != self.model.won():
            self.fail("%s: program status %s" % (what, self.session.position["status"]))

    def compare_moves(self):
        program = vs.moves(self.session.position)
        if len(program) != len(set(program)):
            self.fail("the program lists a move twice: %s" % sorted(program))
        program, model = set(program), self.model.legal()
        if self.session.position["status"] == "won":
            return model
        if program != model:
            self.fail("moves: only the model allows %s; only the program allows %s"
                      % (sorted(model - program), sorted(program - model)))
        return model

    def step(self, step):
        """Takes a step the model holds legal, checks it, its undo and redo."""
        before = keys(self.model.piles)
        if not self.session.step(step):
            self.fail("refused %s" % step)
        self.trail.append(step)
        if self.model.relaying(step):
            problems = self.model.adopt(cards_of(self.session.position))
            if problems:
                self.fail("after %s: %s" % (step, "; ".join(problems)))
            self.compare_position("after " + step)
            # A re-lay shuffles with the generator as it stands: undone and
            # played again it would lay the cards out anew, and a recorded
            # win would no longer fit. The engine's own tests check that the
            # undo of a shuffle restores the order.
            return
        self.model.apply(step)
        self.compare_position("after " + step)
        after = keys(cards_of(self.session.position))
        if not self.session.step("u") or keys(cards_of(self.session.position)) != before:
            self.fail("undo of %s does not restore the position" % step)
        if not self.session.step(step) or keys(cards_of(self.session.position)) != after:
            self.fail("%s played again after its undo differs" % step)

    def illegal_candidates(self, legal):
        """Steps the model refuses: a face-up card onto a pile it does not
        fit, any card anywhere, a tap of a pile that does not deal."""
        piles = self.model.piles
        cards = [c for p in piles for c in p]
        face_up = [c for c in cards if c.up]
        out = []
        for _ in range(self.probes * 3):
            pool = face_up if self.random.random() < 0.7 and face_up else cards
            card = self.random.choice(pool)
            out.append("m %d %d" % (card.id, self.random.randrange(len(piles))))
        out.append("t %d" % self.random.randrange(len(piles)))
        return [s for s in out if s not in legal and not self.self_move(s)][:self.probes]

    def self_move(self, step):
        words = step.split()
        return words[0] == "m" and self.model.find(int(words[1]))[0] == int(words[2])

    def probe(self, legal):
        before = keys(cards_of(self.session.position))
        for step in self.illegal_candidates(legal):
            if self.session.step(step):
                self.fail("the program took %s, which the model refuses" % step)
            if keys(cards_of(self.session.position)) != before:
                self.fail("refused %s changed the position" % step)

    def playout(self, steps):
        self.compare_position("deal")
        for _ in range(steps):
            legal = self.compare_moves()
            self.probe(legal)
            if not legal or self.model.won():
                return
            self.step(self.random.choice(sorted(legal)))

    def run_out_stock(self, taps):
        """Taps the stock until it may deal no more (or `taps` times), so that
        the limit on redeals is met in every play-out."""
        for _ in range(taps):
            legal = self.compare_moves()
            if self.model.won():
                return
            tap = self.model.tap_step
            if tap not in legal:
                if self.model.rules.stock and self.session.step(tap):
                    self.fail("the program took %s, which the model refuses" % tap)
                return
            self.step(tap)

    def replay(self, steps):
        self.compare_position("deal")
        for step in steps:
            legal = self.compare_moves()
            if step not in legal:
                self.fail("the recorded step %s is not legal in the model" % step)
            self.probe(legal)
            self.step(step)
        if not self.model.won():
            self.fail("the recorded win does not end won")

    def close(self):
        self.session.close()


def check_game(cli, rules, wins):
    playouts = int(os.environ.get("VELMORA_MODEL_PLAYOUTS", "3"))
    steps = int(os.environ.get("VELMORA_MODEL_STEPS", "60"))
    failures = []
    runs = [("deal %d" % deal, deal, None) for deal in range(1, playouts + 1)]
    runs += [("recorded win of deal %d" % deal, deal, moves) for game, deal, moves in wins if game == rules.name]
    for label, deal, moves in runs:
        checker = None
        try:
            checker = Checker(cli, rules, deal, seed=deal)
            if moves is None:
                checker.playout(steps)
                checker.run_out_stock(steps)
            else:
                checker.replay([s.strip() for s in moves.split(";") if s.strip()])
        except (Mismatch, RuntimeError, KeyError, ValueError) as error:
            failures.append("%s, %s: %s" % (rules.name, label, error))
        finally:
            if checker:
                checker.close()
    return failures


def shard_of(rows):
    """The rows of the share VELMORA_MODEL_SHARD names: every N-th row from
    the K-th, so that each share holds old and new games alike."""
    shard = os.environ.get("VELMORA_MODEL_SHARD")
    if not shard:
        return rows
    k, n = (int(part) for part in shard.split("/"))
    if not 1 <= k <= n:
        sys.exit("VELMORA_MODEL_SHARD must be K/N with 1 <= K <= N, not %s" % shard)
    return rows[k - 1::n]


def main(rows, wins_file):
    if len(sys.argv) != 3:
        sys.exit("usage: %s VELMORA_CLI WINS_DIR" % sys.argv[0])
    cli, wins_dir = sys.argv[1], sys.argv[2]
    wins = vs.read_wins(os.path.join(wins_dir, wins_file))
    present = set(vs.list_games(cli))
    only = os.environ.get("VELMORA_MODEL_GAMES")
    failures, checked = [], 0
    for rules in shard_of(rows):
        if only and rules.name not in only.split(","):
            continue
        dealt = rules.dealt()
        if dealt > rules.cards():
            failures.append("%s: the row deals %d cards from %d" % (rules.name, dealt, rules.cards()))
            continue
        if rules.name not in present:
            found = model_selfplay.self_play(rules)
            print(("FAIL  " if found else "alone ") + rules.name + " (not in the database: the model played alone)")
            failures += found
            continue
        found = check_game(cli, rules, wins)
        checked += 1
        print(("FAIL  " if found else "ok    ") + rules.name)
        failures += found
    for failure in failures:
        print(failure)
    print("%d games checked, %d failures" % (checked, len(failures)))
    sys.exit(1 if failures else 0)
