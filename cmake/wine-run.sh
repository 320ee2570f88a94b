#!/usr/bin/env bash
# Runs a Windows program under Wine with a quiet, project-local prefix.
# The prefix is created on first use (wineboot), never by hand.
set -euo pipefail
export WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX="${KELVORAN_WINEPREFIX:-${WINEPREFIX:-$HOME/.kelvoran-wine}}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
# Wine's own Tahoma (Debian package fonts-wine) is not found from its data
# folder; in the prefix's font folder it is, so dialogs draw in their face.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
for f in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
  if [ -f "$f" ] && [ -d "$fonts" ] && [ ! -f "$fonts/$(basename "$f")" ]; then
    cp "$f" "$fonts/"
  fi
done
exec wine "$@"
