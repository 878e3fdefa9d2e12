"""The Klondike family's standard rules, one row per game: a stock and waste
(or a stock dealing to the rows), tableau piles built down, foundations
built up in suit from the ace."""

from patience_model import Rules, triangle


def klondike(name, deal=None, **settings):
    """A game played like Klondike unless a setting says otherwise: seven
    piles of 1..7 cards with the top one face up, one card per tap, unlimited
    redeals, built down in alternate colours, a space takes a king, and
    foundation cards may be played back."""
    defaults = dict(draw=1, redeals=-1, build="alt", group="seq", space="king", found_back=True)
    defaults.update(settings)
    return Rules(name, deal or triangle(7), **defaults)


ROWS = [
    klondike("Klondike", draw=3, differs={"stock_bottom"}),
    klondike("Thumb and Pouch", redeals=0, build="other_suit", space="any"),
    klondike("Whitehead", ["U" * (i + 1) for i in range(7)], redeals=0, build="colour", group="suit_seq",
             space="any"),
    klondike("Big Forty", ["UUUU"] * 10, build="suit", space="any"),
    klondike("Athena", ["dUdU"] * 7),
]
