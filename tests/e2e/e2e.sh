#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end, as a user would: start the program in a private X server, pick
# Latin text mode in the chooser, type Hungarian, copy, and check what an
# ordinary clipboard client (xclip) reads. Screenshots go to OUTDIR.
#
#   tests/e2e/e2e.sh BINDIR [OUTDIR]      (exit 77 = skipped: a tool is missing)
set -euo pipefail

bin=$(cd "${1:?usage: e2e.sh BINDIR [OUTDIR]}" && pwd)
out=${2:-$PWD/e2e-shots}
for tool in Xvfb xdotool xclip import convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup)"; exit 77; }
done
[ -x "$bin/rovas" ] && [ -x "$bin/rovas-cli" ] || { echo "FAIL: build rovas and rovas-cli first"; exit 1; }

tmp=$(mktemp -d)
mkdir -p "$out" "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  [ -f "$tmp/log" ] && sed 's/^/  program: /' "$tmp/log"
  exit 1
}
# waits up to $1 tenths of a second for a command to succeed
wait_for() {
  local n=$1
  shift
  until "$@" >/dev/null 2>&1; do
    n=$((n - 1))
    [ "$n" -gt 0 ] || return 1
    sleep 0.1
  done
}

export HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/run LANG=C.UTF-8 LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY
# The rovás typefaces, installed for this private HOME (no display: no dialog).
env -u DISPLAY "$bin/RovasFendra.exe" >/dev/null

# A private X server on a free display.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$tmp/display" 2>/dev/null &
pids+=($!)
wait_for 50 test -s "$tmp/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$tmp/display")
wait_for 50 xdotool getdisplaygeometry || fail "no connection to the X server $DISPLAY"
# A Hungarian keyboard, so every accented letter is a real key.
command -v setxkbmap >/dev/null && setxkbmap hu 2>/dev/null || true

QT_QPA_PLATFORM=xcb "$bin/rovas" >"$tmp/log" 2>&1 &
pids+=($!)

chooser() { xdotool search --onlyvisible --name '^Új rovás szöveg$'; }
wait_for 100 chooser || fail "the mode chooser did not open"
echo "PASS: the mode chooser opens at start"
dlg=$(chooser | head -n1)
sleep 0.3
import -window root "$out/1-chooser.png"

# "Így legyen" of the first option (Latin text).
eval "$(xdotool getwindowgeometry --shell "$dlg")"
xdotool mousemove $((X + 8 + 352 + 50)) $((Y + 36 + 62 + 13)) click 1
wait_for 50 bash -c '! xdotool search --onlyvisible --name "^Új rovás szöveg$"' ||
  fail "the chooser stayed open"
echo "PASS: Latin text mode chosen"

main=$(xdotool search --onlyvisible --name '^Tollnok v2.4 - 2015.03.10$' | head -n1)
[ -n "$main" ] || fail "no main window"
eval "$(xdotool getwindowgeometry --shell "$main")"
mx=$X my=$Y
pane_crop="600x200+$((mx + 40))+$((my + 260))"
spread() { convert "$1" -crop "$pane_crop" -colorspace gray -format '%[fx:standard_deviation]' info:; }
import -window root "$tmp/before.png"

# Click into the Latin pane as a user would, and let the focus settle.
xdotool windowfocus --sync "$main"
xdotool mousemove $((mx + 300)) $((my + 120)) click 1
sleep 0.3
# Slow enough for a loaded machine or a sanitizer build: xdotool may remap a
# spare key for accented letters, and a keystroke the program has not taken yet
# is lost when the map changes back.
xdotool type --delay 100 'árvíztűrő tükörfúrógép'
xdotool key Return
xdotool type --delay 100 'csak egy szó'
sleep 1
import -window root "$out/2-main.png"
[ "$(spread "$tmp/before.png")" = 0 ] || fail "the rovás pane was not empty before typing"
[ "$(spread "$out/2-main.png")" != 0 ] || fail "no runes in the rovás pane"
echo "PASS: typing Hungarian shows runes in the rovás pane"

# "Másolás a vágólapra", the third button of the top row.
xdotool mousemove $((mx + 240)) $((my + 27)) click 1
wait_for 30 bash -c 'xclip -o -selection clipboard -t TARGETS | grep -qx text/html' ||
  fail "nothing was copied"
targets=$(xclip -o -selection clipboard -t TARGETS)
for t in text/plain text/html 'HTML Format'; do
  grep -qx "$t" <<<"$targets" || fail "the clipboard does not offer $t"
done
echo "PASS: the clipboard offers text/plain, text/html and HTML Format"

settings=()
[ -f "$bin/rovas.ini" ] && settings+=(--ini "$bin/rovas.ini")
[ -f "$bin/szo.xml" ] && settings+=(--szo "$bin/szo.xml")
expected=$(printf 'árvíztűrő tükörfúrógép\r\ncsak egy szó' |
  "$bin/rovas-cli" atrov --utf8 --mirror "${settings[@]}" | tr -d '\r')
plain=$(xclip -o -selection clipboard -t text/plain)
[ -n "$expected" ] && [ "$plain" = "$expected" ] ||
  fail "text/plain is '$plain', expected '$expected'"
echo "PASS: text/plain holds the transliteration"
html=$(xclip -o -selection clipboard -t text/html)
grep -q '<font face="Rovasjel jb">' <<<"$html" || fail "text/html lacks the font: $html"
grep -qF "${expected%%$'\n'*}" <<<"$html" || fail "text/html lacks the text: $html"
echo "PASS: text/html carries the font and the text"
echo "screenshots: $out"
