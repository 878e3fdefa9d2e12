"""Plays a game through `velmora-cli session`: one step per line in, one JSON
position per line out. Rules models use it to put the program's answers next
to their own."""

import json
import subprocess


class Refused(Exception):
    """The program refused a step the caller expected it to take."""


class Session:
    def __init__(self, cli, game, number, play=None):
        args = [cli, "session", game, str(number)]
        if play:
            args += ["--play", play]
        self._process = subprocess.Popen(
            args, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, bufsize=1)
        self.position = self._read()

    def _read(self):
        line = self._process.stdout.readline()
        if not line:
            error = self._process.stderr.read()
            raise RuntimeError("velmora-cli session ended: " + error.strip())
        return json.loads(line)

    def step(self, text):
        """Sends one step ("t P", "m C P" or "u"); returns whether the program
        took it. The position afterwards is in `position`."""
        self._process.stdin.write(text + "\n")
        self._process.stdin.flush()
        self.position = self._read()
        return self.position["ok"]

    def close(self):
        if self._process.poll() is None:
            self._process.stdin.write("quit\n")
            self._process.stdin.close()
            self._process.wait(timeout=10)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def piles(position):
    """Each pile as a list of (suit, rank, face up) tuples, bottom first."""
    return [[(c["suit"], c["rank"], c["faceUp"]) for c in pile["cards"]] for pile in position["piles"]]


def moves(position):
    """The program's legal moves as step texts: "t P" or "m C P"."""
    out = []
    for move in position["moves"]:
        if "tap" in move:
            out.append("t %d" % move["tap"])
        else:
            out.append("m %d %d" % (move["card"], move["to"]))
    return out


def list_games(cli):
    """The names of every game in the program's database."""
    out = subprocess.run([cli, "list", "--json"], check=True, capture_output=True, text=True).stdout
    return [game["name"] for game in json.loads(out)]


def read_wins(path):
    """Recorded wins from a family's table: (game, deal, moves) per line;
    lines starting with '#' and blank lines are skipped."""
    wins = []
    with open(path, encoding="utf-8") as table:
        for line in table:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            game, deal, steps = line.split("\t")
            wins.append((game, int(deal), steps))
    return wins
