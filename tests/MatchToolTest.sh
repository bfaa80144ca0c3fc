#!/usr/bin/env bash
# tessaron-match from the command line: a line a game and the summary line, the same games for
# the same seed, a resumed run that plays only the games missing from its results file, and
# bad arguments refused with a message and status 2.
set -u
tool=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$tool" --a 2:1 --b 3:0:30 --games 6 --seed 4 --threads 2 >"$out/first" || fail "the match failed"
[ "$(grep -c '^2:1 vs 3:0:30 seed 4 game [0-5] layout [123] .* end \(nomove\|repeats\) result \(A\|B\|draw\)$' \
    "$out/first")" -eq 6 ] || fail "not a line a game: $(head -2 "$out/first")"
tail -1 "$out/first" | grep -qE '^2:1 vs 3:0:30: [0-9]+-[0-9]+-[0-9]+ score [0-9.]+% elo -?[0-9a-z]+ ± [0-9a-z]+$' ||
    fail "no summary line: $(tail -1 "$out/first")"
"$tool" --a 2:1 --b 3:0:30 --games 6 --seed 4 --threads 1 >"$out/again"
diff <(grep ' game ' "$out/first") <(grep ' game ' "$out/again") || fail "the same seed gave other games"

# Resumed: four games kept, one line cut short by an interrupted run; six asked for.
grep ' game ' "$out/first" | head -4 >"$out/results"
printf '2:1 vs 3:0:30 seed 4 game 4 lay' >>"$out/results"
"$tool" --a 2:1 --b 3:0:30 --games 6 --seed 4 --results "$out/results" >"$out/resumed" || fail "the resumed match failed"
diff <(grep ' game ' "$out/first") <(grep ' game ' "$out/resumed") || fail "the resumed match differs"
grep -q 'over 2 searches\|over [0-9]* searches' "$out/resumed" || fail "no times line"
[ "$(grep -c ' result ' "$out/results")" -eq 6 ] || fail "the results file does not hold six games: $(cat "$out/results")"
[ "$(tail -1 "$out/results" | grep -c ' game [45] ')" -eq 1 ] || fail "the new games were not appended on lines of their own"

refused() {
    "$tool" "$@" >/dev/null 2>"$out/err"
    [ $? -eq 2 ] || fail "'$*' was not refused with status 2"
    grep -q "^tessaron-match: $expected" "$out/err" || fail "'$*' said: $(head -1 "$out/err")"
}
expected="the level of '2:9'" refused --a 2:9 --b 2:0
expected="the algorithm of '4:1'" refused --a 2:1 --b 4:1
expected="the branch of '3:1:2'" refused --a 3:1:2 --b 2:0
expected="both --a and --b" refused --a 2:1
expected="--games needs" refused --a 2:1 --b 2:0 --games 0
expected="--games needs" refused --a 2:1 --b 2:0 --games ten
expected="--threads needs" refused --a 2:1 --b 2:0 --threads 0
expected="--seed needs" refused --a 2:1 --b 2:0 --seed -3
expected="unknown argument '--colour'" refused --a 2:1 --b 2:0 --colour white
expected="'--games' needs a value" refused --a 2:1 --b 2:0 --games
echo "matches played, resumed and refused as they should be"
