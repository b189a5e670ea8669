#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Rovás font installer: copies the typefaces bundled beside this program
# (fonts/*.ttf and the licence) into the user's font folder and refreshes
# fontconfig, so every program, Tollnok included, finds "Rovasjel jb".
#
# Its closing message goes to standard output and, run on its own, into a
# zenity or kdialog box. Tollnok starts it with ROVASFENDRA_UZENET=kimenet and
# shows the message in its own box, since a desktop may have neither tool.
set -u

here=$(dirname "$(readlink -f "$0")")
src="$here/fonts"
dest="${XDG_DATA_HOME:-$HOME/.local/share}/fonts/rovas"
title="Rovás betűkészletek telepítése"

tell() { # kind (info|error), message
  echo "$2"
  [ "${ROVASFENDRA_UZENET:-}" != kimenet ] || return 0
  [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || return 0
  if command -v zenity >/dev/null 2>&1; then
    zenity "--$1" --title="$title" --text="$2" >/dev/null 2>&1
  elif command -v kdialog >/dev/null 2>&1; then
    if [ "$1" = error ]; then kdialog --title "$title" --error "$2"
    else kdialog --title "$title" --msgbox "$2"; fi >/dev/null 2>&1
  elif command -v xmessage >/dev/null 2>&1; then
    # The last resort: xmessage draws Latin-1 only, so the text goes without accents.
    printf '%s\n' "$2" | iconv -f UTF-8 -t ASCII//TRANSLIT 2>/dev/null |
      xmessage -center -file - >/dev/null 2>&1
  fi
  return 0
}

set -- "$src"/*.ttf
if [ ! -f "$1" ]; then
  tell error "Nem találhatók a telepítendő betűkészletek: $src"
  exit 1
fi

if ! mkdir -p "$dest" || ! cp -f "$@" "$dest/"; then
  tell error "A betűkészletek másolása nem sikerült ide: $dest"
  exit 1
fi
[ -f "$src/OFL.txt" ] && cp -f "$src/OFL.txt" "$dest/"

if command -v fc-cache >/dev/null 2>&1; then
  fc-cache -f "$dest" >/dev/null 2>&1 || true
fi

tell info "A rovás betűkészletek ($#) telepítése kész. Helyük: $dest"
exit 0
