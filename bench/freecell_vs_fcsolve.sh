#!/usr/bin/env bash
# FreeCell deals solved by our generic solver and by fc-solve, a solver made
# for FreeCell alone, side by side on the same positions in one run.
#
#   bench/freecell_vs_fcsolve.sh [BUILD_DIR] [FIRST] [LAST]
#
# Installs Debian's freecell-solver-bin when fc-solve is missing. Each of our
# deals is shown by velmora-cli and written in fc-solve's board format (one
# column a line, bottom card first, ten as T). fc-solve runs once per deal
# with its default settings; its processor time includes starting the
# process, about a millisecond a deal. Ours is the sweep's in-process time.
set -euo pipefail
build=${1:-build}
first=${2:-1}
last=${3:-1000}
cli="$build/tools/cli/velmora-cli"
sweep="$build/bench/velmora_solver_sweep"
[ -x "$cli" ] && [ -x "$sweep" ] || { echo "build velmora-cli and velmora_solver_sweep in $build first" >&2; exit 2; }
if ! command -v fc-solve >/dev/null; then
  if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
  $SUDO apt-get install -y -qq freecell-solver-bin >/dev/null
fi

boards=$(mktemp -d)
trap 'rm -rf "$boards"' EXIT
for ((deal = first; deal <= last; ++deal)); do
  "$cli" show FreeCell "$deal" | sed -n '2,9p' | sed -E 's/^pile [0-9]+: ?//; s/\[[0-9]+\]//g; s/10/T/g' \
    > "$boards/$deal.txt"
done

# Processor time of fc-solve over all boards: the shell's children's times.
solved=0
start=$(awk '{print $14 + $15 + $16 + $17}' /proc/$$/stat)
for ((deal = first; deal <= last; ++deal)); do
  if fc-solve "$boards/$deal.txt" | grep -q "This game is solveable"; then
    solved=$((solved + 1))
  fi
done
end=$(awk '{print $14 + $15 + $16 + $17}' /proc/$$/stat)
ticks=$(getconf CLK_TCK)
fcsolve_ms=$(( (end - start) * 1000 / ticks ))

ours=$("$sweep" FreeCell "$first" "$last" --budget 1000000 --quiet)
ours_ms=$(echo "$ours" | sed -E 's/.* total_ms ([0-9.]+).*/\1/')
ours_won=$(echo "$ours" | sed -E 's/.* won ([0-9]+) .*/\1/')
deals=$((last - first + 1))
echo "FreeCell deals $first-$last"
echo "  fc-solve: solved $solved of $deals, ${fcsolve_ms} ms of processor time"
echo "  velmora:  won $ours_won of $deals, ${ours_ms%.*} ms of processor time (budget 1,000,000 states a deal)"
awk -v a="$ours_ms" -v b="$fcsolve_ms" 'BEGIN { if (b > 0) printf "  ratio:    %.1f times the time of fc-solve\n", a / b }'
