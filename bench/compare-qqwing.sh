#!/bin/sh
# Shows that the solver finds the same solutions as qqwing: generates puzzles with qqwing,
# solves them with "Lösen" through the benchmark program and with `qqwing --solve`, and
# compares the grids line by line. qqwing's puzzles have one solution each, so any difference
# is a fault of one of the two.
#
#   bench/compare-qqwing.sh [PROGRAM] [COUNT] [DIFFICULTY]
#
# PROGRAM defaults to build/bsudoku-bench-headless, COUNT to 50, DIFFICULTY to expert.
set -eu

program=${1:-build/bsudoku-bench-headless}
count=${2:-50}
difficulty=${3:-expert}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

qqwing --generate "$count" --difficulty "$difficulty" --one-line >"$tmp/puzzles"
"$program" "$tmp/puzzles" >"$tmp/report"
# Every line but the last is one puzzle; its first field is the grid found, or "-".
sed '$d' "$tmp/report" | cut -d' ' -f1 >"$tmp/ours"
qqwing --solve --one-line <"$tmp/puzzles" >"$tmp/theirs"

if cmp -s "$tmp/ours" "$tmp/theirs"; then
  echo "$(wc -l <"$tmp/ours") Rätsel ($difficulty): alle Lösungen gleich"
else
  echo "Lösungen verschieden (links Rätsel, dann diese Lösung, dann die von qqwing):" >&2
  paste -d' ' "$tmp/puzzles" "$tmp/ours" "$tmp/theirs" | awk '$2 != $3' >&2
  exit 1
fi
