#!/usr/bin/env bash
# The solver's strength on the deals the solver issue names, each game's line
# as velmora_solver_sweep sums it up (won, proved unwinnable, undecided,
# processor time in all, median and longest per deal).
#
#   bench/solver_report.sh [BUILD_DIR] [SCALE]
#
# SCALE (default 1) divides every range of deals, for a shorter run: 10
# solves Klondike deals 1-100 instead of 1-1000. The full run takes hours.
set -euo pipefail
build=${1:-build}
scale=${2:-1}
sweep="$build/bench/velmora_solver_sweep"
[ -x "$sweep" ] || { echo "build velmora_solver_sweep in $build first" >&2; exit 2; }
deals() { echo $(( $1 / scale > 0 ? $1 / scale : 1 )); }

# Klondike, draw three: at most 2 s of processor time a deal.
"$sweep" Klondike 1 "$(deals 1000)" --budget 100000000 --seconds 2 --quiet
# Spider, four suits, with a beam of 2,000: at most 60 s a deal. (Its check
# uses 500, which wins deal 1 in a few seconds but fewer deals in all.)
"$sweep" Spider 1 "$(deals 100)" --budget 100000000 --beam 2000 --seconds 60 --quiet
# Games to be decided within 200,000 states a deal.
for game in "Eight Off" "Seahaven Towers" "Baker's Game" "Beleaguered Castle" "Streets and Alleys" \
            Fortress Canfield Fan Golf "Simple Simon"; do
  "$sweep" "$game" 1 "$(deals 100)" --budget 200000 --quiet
done
