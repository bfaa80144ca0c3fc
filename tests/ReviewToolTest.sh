#!/usr/bin/env bash
# tessaron-review on a saved game of two computers: a line a move in the agreed form, the same
# numbers from the fast and the reference engine, and a refusal (status 2) for what is no game.
set -u
tool=$1
game=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$tool" --level 2 "$game" >"$out/fast" || fail "the review failed"
"$tool" --level 2 --engine reference "$game" >"$out/reference" || fail "the reference review failed"
diff -u "$out/reference" "$out/fast" || fail "the fast engine's review differs from the reference one's"
moves=$(sed -n '/^moves$/,/^end$/p' "$game" | grep -c '^[0-9]')
[ "$(grep -cE '^[0-9]+ [12] ([0-9]-){4}[01] value -?[0-9]+ best ([0-9]-){4}[01] -?[0-9]+ loss [0-9]+( \?!| \?| \?\?)?$' \
    "$out/fast")" -eq "$moves" ] || fail "not one line a move in the agreed form: $(head -3 "$out/fast")"
grep -qE '^player 1 moves [0-9]+ average loss [0-9.]+ inaccuracies [0-9]+ mistakes [0-9]+ blunders [0-9]+$' "$out/fast" ||
    fail "no summary of player 1"
# A mark stands exactly where the loss reaches 2, 4 or 8.
awk '{ loss = $(NF - ($NF ~ /\?/)); mark = ($NF ~ /\?/) ? $NF : "";
       want = loss >= 8 ? "??" : loss >= 4 ? "?" : loss >= 2 ? "?!" : "";
       if ($1 ~ /^[0-9]+$/ && mark != want) { print "move " $1 ": loss " loss " marked '" mark "'"; bad = 1 } }
     END { exit bad }' "$out/fast" || fail "a mark does not follow its loss"

"$tool" "$out/none.tgame" 2>"$out/err"
[ $? -eq 2 ] || fail "a missing file did not end with status 2"
grep -q "is not a game this program can open." "$out/err" || fail "the refusal does not say why: $(cat "$out/err")"
printf 'Tessaron game 1\nlayout Standard\nmoves\n' >"$out/cut.tgame"
"$tool" "$out/cut.tgame" 2>/dev/null
[ $? -eq 2 ] || fail "a cut game did not end with status 2"
"$tool" --level 9 "$game" 2>/dev/null
[ $? -eq 2 ] || fail "level 9 was not refused"
echo "$moves moves reviewed alike by both engines"
