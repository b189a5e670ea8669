#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program: `cmake --install` into a temporary prefix that is then
# made read-only, run from there with private XDG folders. The settings must go
# to XDG_CONFIG_HOME, survive the next start, and nothing may be written into
# the installation.
#
#   tests/install/install_test.sh CMAKE BUILDDIR APP_ID
set -euo pipefail

cmake=${1:?usage: install_test.sh CMAKE BUILDDIR APP_ID}
build=${2:?}
app=${3:?}
tmp=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  chmod -R u+w "$tmp" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -s "$tmp/log" ] && sed 's/^/  program: /' "$tmp/log"
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

p=$tmp/prefix
"$cmake" --install "$build" --prefix "$p" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "install"; }
for f in bin/rovas bin/rovas-cli share/tollnok/RovasFendra.exe; do
  [ -x "$p/$f" ] || fail "$f is missing or not executable"
done
for f in share/tollnok/RovasSugo.pdf share/tollnok/szo.xml share/doc/tollnok/RovasSugo.pdf share/tollnok/fonts/Rovasjel-jb.ttf \
  share/fonts/truetype/tollnok/Rovasjel-jb.ttf share/tollnok/LICENSE share/doc/tollnok/LICENSE \
  share/doc/tollnok/OFL.txt share/man/man1/rovas-cli.1.gz \
  "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml" \
  "share/icons/hicolor/16x16/apps/$app.png" "share/icons/hicolor/256x256/apps/$app.png" \
  "share/icons/hicolor/scalable/apps/$app.svg"; do
  [ -s "$p/$f" ] || fail "$f is missing"
done
grep -qx "Exec=rovas" "$p/share/applications/$app.desktop" || fail "the menu entry does not start rovas"
chmod -R a-w "$p"
touch "$tmp/before"

export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data XDG_CACHE_HOME=$tmp/cache
export XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY

# rovas-cli from the prefix: its version, and a transliteration like the built one's.
"$p/bin/rovas-cli" --version | grep -qE '^rovas-cli \(Tollnok\) [0-9]+(\.[0-9]+)+ \([0-9]{4}-[0-9]{2}-[0-9]{2}\)$' || fail "rovas-cli --version"
got=$(printf 'rovásírás' | "$p/bin/rovas-cli" atrov --utf8) || fail "installed rovas-cli atrov"
want=$(printf 'rovásírás' | "$build/bin/rovas-cli" atrov --utf8)
[ -n "$got" ] && [ "$got" = "$want" ] || fail "installed rovas-cli gives '$got', the built one '$want'"
# ... and the bundled exception words, without copying them anywhere.
got=$(printf 'község' | "$p/bin/rovas-cli" atrov --utf8)
[ "$got" != "$(printf 'község' | "$p/bin/rovas-cli" atrov --utf8 --szo /dev/null)" ] ||
  fail "the installed rovas-cli does not read the bundled exception words"
[ ! -e "$XDG_DATA_HOME/tollnok/szo.xml" ] || fail "rovas-cli copied szo.xml"

# The installed font installer finds the installed typefaces, so the program
# starts without asking for them.
"$p/share/tollnok/RovasFendra.exe" >/dev/null || fail "the installed RovasFendra.exe"
[ -s "$XDG_DATA_HOME/fonts/rovas/Rovasjel-jb.ttf" ] || fail "the typefaces were not installed"

ini=$XDG_CONFIG_HOME/tollnok/rovas.ini
# starts the installed program and stops it after $1 (a command that must succeed)
run() {
  : >"$tmp/log"
  "$p/bin/rovas" >"$tmp/log" 2>&1 &
  pids+=($!)
  local pid=$!
  wait_for 150 "$@" || fail "the program did not get to: $*"
  kill -0 "$pid" 2>/dev/null || fail "the program ended early"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

# First start: the defaults are written in full into the user's config folder.
run grep -q '^LUtolsoFrissites=' "$ini"
grep -q '^LMeret=[0-9]' "$ini" || fail "rovas.ini holds no font size"
# The bundled exception words become the user's list.
cmp -s "$XDG_DATA_HOME/tollnok/szo.xml" "$p/share/tollnok/szo.xml" ||
  fail "szo.xml was not copied into the user's data folder"

# The user's changed settings survive the next start, which reads them and
# neither writes the defaults over them nor copies anything in.
sed -i 's/^LMeret=[0-9]*/LMeret=4/' "$ini"
cp "$ini" "$tmp/saved.ini"
settled() { sleep 2; }
run settled
cmp -s "$ini" "$tmp/saved.ini" || fail "the second start changed rovas.ini"

changed=$(find "$p" -newer "$tmp/before" | head -n 5)
[ -z "$changed" ] || fail "written into the installation: $changed"
echo "PASS"
