"""Checks the rules model's settings for spaces, cells, the stock's fills and
the laid-out win on small hand-made positions, where the family checks
against the program would not notice a setting that does nothing."""

import unittest

from patience_model import Model
from patience_rules import Card, Rules

SPADES, HEARTS = 1, 3


class Pack:
    """Hands out cards with distinct ids."""

    def __init__(self):
        self.next_id = 0

    def __call__(self, suit, rank, up=True):
        self.next_id += 1
        return Card(self.next_id, suit, rank, up)


def model(piles, **settings):
    """A model of one-pack rows over the piles given in the record's order."""
    return Model(Rules("test", ["U"] * settings.pop("rows", 2), **settings), piles)


def moves_of(m, card):
    return {step for step in m.legal() if step.startswith("m %d " % card.id)}


class SpaceTest(unittest.TestCase):
    def test_space_sources_take_only_the_waste(self):
        card = Pack()
        waste, row = card(HEARTS, 5), card(SPADES, 9)
        m = model([[], [waste], [row], []] + [[]] * 4, space="any", space_sources={"waste"})
        self.assertEqual(moves_of(m, waste), {"m %d 3" % waste.id})
        self.assertEqual(moves_of(m, row), set())

    def test_onto_card_single_sends_groups_only_to_spaces(self):
        card = Pack()
        nine, eight, ten = card(SPADES, 9), card(HEARTS, 8), card(HEARTS, 10)
        m = model([[], [], [nine, eight], [ten], []] + [[]] * 4, rows=3, space="any", group="seq",
                  onto_card_single=True)
        self.assertEqual(moves_of(m, nine), {"m %d 4" % nine.id})
        self.assertIn("m %d 4" % eight.id, moves_of(m, eight))

    def test_space_of_several_ranks(self):
        card = Pack()
        queen, jack = card(SPADES, 12), card(SPADES, 11)
        m = model([[], [], [queen], [jack], []] + [[]] * 4, rows=3, space=(12, 13), group="single")
        self.assertIn("m %d 4" % queen.id, m.legal())
        self.assertNotIn("m %d 4" % jack.id, m.legal())

    def test_any_build_takes_only_the_waste(self):
        card = Pack()
        waste, row = card(HEARTS, 5), card(SPADES, 9)
        m = model([[], [waste], [row], [card(HEARTS, 2)]] + [[]] * 4, build="any", sources={"waste"})
        self.assertEqual(moves_of(m, waste), {"m %d 2" % waste.id, "m %d 3" % waste.id})
        self.assertEqual(moves_of(m, row), set())

    def test_ace_high_goes_only_into_spaces(self):
        card = Pack()
        ace, king, two = card(HEARTS, 1), card(SPADES, 13), card(SPADES, 2)
        m = model([[], [], [ace], [two], [king], []] + [[]] * 4, rows=4, wrap=True, space="ace", ace_high=True,
                  group="single", found_base=2)
        self.assertEqual(moves_of(m, ace), {"m %d 5" % ace.id})
        self.assertIn("m %d 2" % king.id, m.legal())

    def test_walled_piles_keep_their_cards(self):
        card = Pack()
        eight, nine, seven = card(HEARTS, 8), card(SPADES, 9), card(SPADES, 7)
        m = model([[], [], [eight], [nine], [seven]] + [[]] * 4, rows=3, walled=1, group="single")
        self.assertEqual(moves_of(m, eight), set())
        self.assertIn("m %d 2" % seven.id, m.legal())

    def test_pile_size_caps_a_pile(self):
        card = Pack()
        full = [card(SPADES, r) for r in (1, 2)]
        three = card(HEARTS, 3)
        m = model([[], [], full, [three]] + [[]] * 4, build="rank_up", group="single", pile_size=2)
        self.assertNotIn("m %d 2" % three.id, m.legal())


class FillTest(unittest.TestCase):
    def test_stock_fills_a_space_face_up_and_stops_when_spent(self):
        card = Pack()
        stock, two, three, eight = [card(SPADES, 7, False)], card(HEARTS, 2), card(SPADES, 3), card(HEARTS, 8)
        m = model([stock, [two], [three], [eight]] + [[]] * 4, rows=3, waste=False, deal_to="none",
                  start_waste=0, build="alt", group="single", fill="stock", space="none")
        self.assertFalse(m.can_tap())
        m.apply("m %d 2" % two.id)
        self.assertEqual([(c.rank, c.up) for c in m.piles[1]], [(7, True)])
        m.apply("m %d 3" % m.piles[1][-1].id)
        self.assertEqual(m.piles[1], [])

    def test_waste_top_fills_without_turning_the_stock(self):
        card = Pack()
        stock, ace = [card(SPADES, 3, False), card(SPADES, 4, False)], card(HEARTS, 1)
        m = model([stock, [], [ace], [card(SPADES, 9)]] + [[]] * 4, fill="waste_top", waste_size=1)
        m.apply("m %d 4" % ace.id)
        self.assertEqual((len(m.piles[0]), m.piles[2]), (2, []))
        m.apply("t 0")
        self.assertEqual([c.rank for c in m.piles[2]], [4])
        m.apply("t 0")
        self.assertEqual([c.rank for c in m.piles[1]], [3])
        m.piles[0] = [card(SPADES, 5, False)]
        self.assertFalse(m.can_tap())

    def test_an_empty_reserve_takes_the_waste_card(self):
        card = Pack()
        stock, reserve = [card(SPADES, 4, False)], card(HEARTS, 1)
        m = model([stock, [], [card(SPADES, 9)], [card(HEARTS, 9)], [reserve]] + [[]] * 4, reserves=["U"],
                  reserve_fill=True)
        m.apply("m %d 5" % reserve.id)
        self.assertEqual(([c.rank for c in m.piles[4]], m.piles[0], m.piles[1]), ([4], [], []))

    def test_stock_fills_a_space_with_several_cards(self):
        card = Pack()
        stock, ace = [card(SPADES, r, False) for r in (2, 3, 4)], card(HEARTS, 1)
        m = model([stock, [], [ace], [card(SPADES, 9)]] + [[]] * 4, fill="stock", fill_faces="dUU")
        m.apply("m %d 4" % ace.id)
        self.assertEqual([(c.rank, c.up) for c in m.piles[2]], [(4, False), (3, True), (2, True)])

    def test_lone_cards_are_held_while_the_stock_lasts(self):
        card = Pack()
        nine, eight, seven = card(SPADES, 9), card(HEARTS, 8), card(SPADES, 7)
        piles = [[card(SPADES, 4, False)], [], [nine], [card(HEARTS, 1), eight], [seven]] + [[]] * 4
        m = model(piles, rows=3, group="single", lone_cards=True)
        self.assertEqual(moves_of(m, eight), set())
        self.assertEqual(moves_of(m, seven), set())
        m.piles[0] = []
        self.assertIn("m %d 2" % eight.id, m.legal())

    def test_waste_refill_turns_the_next_card(self):
        card = Pack()
        stock, top, row = [card(SPADES, 4, False)], card(HEARTS, 1), card(SPADES, 9)
        m = model([stock, [top], [row], []] + [[]] * 4, waste_refill=True, found_back=False)
        m.apply("m %d 4" % top.id)
        self.assertEqual([(c.rank, c.up) for c in m.piles[1]], [(4, True)])
        self.assertEqual(m.piles[0], [])


class DealTest(unittest.TestCase):
    def test_dealt_aces_go_out_and_the_next_card_replaces_them(self):
        card = Pack()
        nine, ace, five = card(SPADES, 9, False), card(HEARTS, 1, False), card(SPADES, 5, False)
        m = model([[nine, ace, five], [card(HEARTS, 13)], [card(HEARTS, 12)]] + [[]] * 4, waste=False,
                  deal_to="rows", start_waste=0, deal_aces_out=True)
        m.tap()
        self.assertEqual([c.rank for c in m.piles[1]], [13, 5])
        self.assertEqual([c.rank for c in m.piles[2]], [12, 9])
        self.assertEqual([c.rank for c in m.piles[3]], [1])

    def test_deal_each_fills_one_reserve_before_the_next(self):
        card = Pack()
        stock = [card(SPADES, r, False) for r in (4, 3, 2, 1)]
        m = model([stock, [], []] + [[]] * 4, rows=0, waste=False, deal_to="reserves", start_waste=0,
                  reserves=["", ""], deal_each=2)
        m.tap()
        self.assertEqual([[c.rank for c in m.piles[i]] for i in (1, 2)], [[1, 2], [3, 4]])

    def test_last_cards_go_one_to_each_row(self):
        card = Pack()
        stock = [card(SPADES, r, False) for r in (2, 1)]
        m = model([stock, [card(HEARTS, 13)], [card(HEARTS, 12)], []] + [[]] * 4, waste=False, start_waste=0,
                  deal_to="reserves", reserves=[""], last_to_rows=True)
        m.tap()
        self.assertEqual([len(m.piles[i]) for i in (1, 2, 3)], [2, 2, 0])

    def test_deal_rounds_go_round_the_reserves(self):
        card = Pack()
        stock = [card(SPADES, r, False) for r in (4, 3, 2, 1)]
        m = model([stock, [], []] + [[]] * 4, rows=0, waste=False, deal_to="reserves", start_waste=0,
                  reserves=["", ""], deal_rounds=2)
        m.tap()
        self.assertEqual([[c.rank for c in m.piles[i]] for i in (1, 2)], [[1, 3], [2, 4]])

    def test_short_last_deal_goes_to_the_middle_piles(self):
        card = Pack()
        stock = [card(SPADES, r, False) for r in (2, 1)]
        m = model([stock] + [[card(HEARTS, 13)] for _ in range(4)] + [[]] * 4, rows=4, waste=False,
                  deal_to="rows", start_waste=0, short_deal="middle")
        m.tap()
        self.assertEqual([len(m.piles[i]) for i in range(1, 5)], [1, 2, 2, 1])

    def test_deal_waits_for_spaces_until_the_last_cards_go_to_the_reserves(self):
        card = Pack()
        stock = [card(SPADES, r, False) for r in (3, 2, 1)]
        m = model([stock, [card(HEARTS, 13)], [], [], []] + [[]] * 4, waste=False, deal_to="rows", start_waste=0,
                  reserves=["", ""], deal_waits=True, last_to_reserves=True)
        self.assertFalse(m.can_tap())
        m.piles[2] = [card(HEARTS, 12)]
        m.tap()
        self.assertEqual([len(m.piles[i]) for i in range(1, 5)], [2, 2, 0, 0])
        m.piles[2] = []
        self.assertTrue(m.can_tap())
        m.tap()
        self.assertEqual([len(m.piles[i]) for i in range(1, 5)], [2, 0, 1, 0])


class StockTest(unittest.TestCase):
    def test_open_stock_plays_its_top_card_and_turns_the_next(self):
        card = Pack()
        under, top, ten = card(HEARTS, 5, False), card(SPADES, 9), card(HEARTS, 10)
        m = model([[under, top], [ten], []] + [[]] * 4, waste=False, deal_to="none", start_waste=0, stock_open=True)
        self.assertNotIn("a stock card is face up", m.deal_problems())
        m.apply("m %d 1" % top.id)
        self.assertTrue(under.up)
        self.assertFalse(m.can_tap())

    def test_spent_stock_keeps_single_cards(self):
        card = Pack()
        nine, eight = card(SPADES, 9), card(HEARTS, 8)
        m = model([[card(HEARTS, 4, False)], [nine, eight], []] + [[]] * 4, waste=False, deal_to="rows",
                  start_waste=0, stock_reserve=True)
        self.assertNotIn("m %d 0" % eight.id, m.legal())
        m.piles[0] = []
        self.assertIn("m %d 0" % eight.id, m.legal())
        self.assertNotIn("m %d 0" % nine.id, m.legal())
        m.apply("m %d 0" % eight.id)
        self.assertIn("m %d 1" % eight.id, m.legal())


class BlindTest(unittest.TestCase):
    def test_face_down_cards_take_anything_and_turn_only_when_tapped(self):
        card = Pack()
        hidden, top, two = card(SPADES, 7, False), card(HEARTS, 9), card(HEARTS, 2)
        m = model([[], [], [hidden, top], [card(SPADES, 5, False)], [two]] + [[]] * 4, rows=3, blind=True)
        self.assertIn("m %d 3" % two.id, m.legal())
        self.assertIn("t 3", m.legal())
        m.apply("m %d 3" % top.id)
        self.assertFalse(hidden.up)
        self.assertIn("t 2", m.legal())
        m.apply("t 2")
        self.assertTrue(hidden.up)


class ReserveTest(unittest.TestCase):
    def test_reserves_wake_in_turn_while_a_space_is_open(self):
        card = Pack()
        first, second, third = [card(SPADES, 2, False)], [card(SPADES, 3, False)], [card(SPADES, 4, False)]
        m = model([[], [], [card(HEARTS, 9)], [card(HEARTS, 8)], first, second, third] + [[]] * 4,
                  reserves=["d"] * 3, waking_reserves=True)
        self.assertEqual({s for s in m.legal() if s.startswith("t")}, set())
        m.piles[3] = []
        self.assertEqual({s for s in m.legal() if s.startswith("t")}, {"t 4"})
        m.piles[4] = []
        self.assertEqual({s for s in m.legal() if s.startswith("t")}, {"t 5"})


class CellTest(unittest.TestCase):
    def test_late_cell_opens_with_the_stock_spent(self):
        card = Pack()
        stock, row = [card(SPADES, 4, False)], card(HEARTS, 9)
        m = model([stock, [], [row], [], []] + [[]] * 4, waste=True, cells=1, cell_late=True)
        self.assertNotIn("m %d 4" % row.id, m.legal())
        m.piles[0] = []
        self.assertIn("m %d 4" % row.id, m.legal())

    def test_cell_sources_refuse_the_waste(self):
        card = Pack()
        waste, row = card(HEARTS, 5), card(SPADES, 9)
        m = model([[], [waste], [row], [], []] + [[]] * 4, cells=1, cell_size=4, cell_sources={"tableau"})
        self.assertNotIn("m %d 4" % waste.id, m.legal())
        self.assertIn("m %d 4" % row.id, m.legal())

    def test_group_cell_takes_and_gives_back_whole_runs(self):
        card = Pack()
        nine, eight, ten = card(SPADES, 9), card(HEARTS, 8), card(HEARTS, 10)
        m = model([[], [nine, eight], [ten], []] + [[]] * 4, waste=False, deal_to="rows", start_waste=0, cells=1,
                  cell_groups=True)
        m.apply("m %d 3" % nine.id)
        self.assertEqual(m.piles[3], [nine, eight])
        self.assertIn("m %d 2" % nine.id, m.legal())
        self.assertNotIn("m %d 3" % ten.id, m.legal())


class FoundationTest(unittest.TestCase):
    def test_cards_come_back_once_the_stock_is_spent(self):
        card = Pack()
        stock, built = [card(SPADES, 4, False)], [card(HEARTS, 1), card(HEARTS, 2)]
        three = card(SPADES, 3)
        m = model([stock, [], [three], []] + [[]] * 4, found_back="stock_spent")
        m.piles[4] = built
        self.assertNotIn("m %d 2" % built[1].id, m.legal())
        m.piles[0] = []
        self.assertIn("m %d 2" % built[1].id, m.legal())

    def test_cards_cross_between_foundations_built_both_ways(self):
        card = Pack()
        up, down = [card(HEARTS, 1), card(HEARTS, 2)], [card(HEARTS, r) for r in range(13, 2, -1)]
        rules = dict(foundations=2, found_base=[1, 13], found_dir=[1, -1], found_back=True)
        for across in (False, True):
            m = model([[], [], [], [], up, down], found_across=across, **rules)
            self.assertEqual("m %d 4" % down[-1].id in m.legal(), across)

    def test_foundation_built_either_way(self):
        card = Pack()
        five, six, four = card(SPADES, 5), card(HEARTS, 6), card(HEARTS, 4)
        m = model([[], [], [six], [four], [five]] + [[]] * 3, found_dir="updown", found_build="rank")
        self.assertIn("m %d 4" % six.id, m.legal())
        self.assertIn("m %d 4" % four.id, m.legal())

    def test_whole_runs_by_their_foundation_build(self):
        card = Pack()
        run = [card(SPADES if r % 2 else HEARTS, r) for r in range(13, 0, -1)]
        m = model([[], [], run, [card(HEARTS, 1)], [], []], foundations=2, found_build=["suit", "alt"],
                  found_whole=[False, True])
        self.assertIn("m %d 5" % run[0].id, m.legal())
        self.assertNotIn("m %d 4" % run[0].id, m.legal())
        self.assertIn("m %d 4" % m.piles[3][0].id, m.legal())

    def test_foundation_sources_refuse_a_cell(self):
        card = Pack()
        ace = card(HEARTS, 1)
        m = model([[], [], [card(SPADES, 9)], [], [ace]] + [[]] * 4, cells=["U"], found_sources={"tableau"})
        self.assertEqual(moves_of(m, ace), set())

    def test_sizes_and_builds_per_foundation(self):
        card = Pack()
        kings, queen = [card(SPADES, 13), card(HEARTS, 13)], card(SPADES, 12)
        m = model([[], [], [card(HEARTS, 13)], [queen], [], []], foundations=2, found_base=[12, 13],
                  found_dir=[1, 0], found_size=[1, 3], found_build=["suit", "rank"])
        m.piles[5] = kings
        self.assertIn("m %d 5" % m.piles[2][0].id, m.legal())
        self.assertIn("m %d 4" % queen.id, m.legal())
        m.piles[4] = [card(HEARTS, 12)]
        self.assertNotIn("m %d 4" % queen.id, m.legal())


class LaidOutWinTest(unittest.TestCase):
    def test_won_with_every_pile_full_or_empty(self):
        card = Pack()
        ranks = [(s, r) for s in (1, 2, 3, 4) for r in range(1, 14)]
        piles = [[card(s, r) for s, r in ranks[13 * k:13 * k + 13]] for k in range(4)]
        rules = dict(rows=5, won_laid_out=True, pile_size=13)
        self.assertTrue(model([[], []] + piles + [[]], **rules).won())
        short = piles[:3] + [piles[3][:12], piles[3][12:]]
        self.assertFalse(model([[], []] + short, **rules).won())


if __name__ == "__main__":
    unittest.main()
