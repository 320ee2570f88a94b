#!/usr/bin/env bash
# Runs a Windows program under Wine with a quiet, project-local prefix.
# The prefix is created on first use (wineboot), never by hand.
set -euo pipefail
export WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# The project's own prefix may be remade at will; one the user names in
# WINEPREFIX is never removed.
own=0
if [ -n "${KELVORAN_WINEPREFIX:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
  own=1
fi
export WINEPREFIX="${KELVORAN_WINEPREFIX:-${WINEPREFIX:-$HOME/.kelvoran-wine}}"

# The loader. Debian's wine script runs the 32-bit loader (wine32,
# /usr/lib/wine/wine) whenever it is installed, for 64-bit programs too; on a
# machine whose kernel runs no 32-bit programs that loader cannot start at
# all, and the 64-bit loader is run itself, as the script does when wine32
# is missing.
wine=(wine)
wine32=0
if [ -x /usr/lib/wine/wine ]; then
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    wine32=1
  elif [ -x /usr/lib/wine/wine64 ]; then
    export WINELOADER=/usr/lib/wine/wine64
    wine=(/usr/lib/wine/wine64)
  fi
fi

# A prefix made while only 64-bit Wine was installed has no syswow64 folder,
# and 32-bit programs cannot start in it ("could not load kernel32.dll"), so
# once 32-bit Wine is there and runs, such a prefix is made anew.
prepare_prefix() {
  if [ -f "$WINEPREFIX/system.reg" ]; then
    if [ "$wine32" = 0 ] || [ -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
      return 0
    fi
    if [ "$own" != 1 ]; then
      echo "wine-run.sh: $WINEPREFIX has no 32-bit part (drive_c/windows/syswow64); 32-bit programs will not start in it" >&2
      return 0
    fi
    echo "wine-run.sh: $WINEPREFIX was made before 32-bit Wine was installed; making it anew" >&2
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$WINEPREFIX"
  "${wine[@]}" wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
}

# One creation at a time: test programs of both Windows builds may start at once.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
prepare_prefix
flock -u 9
exec 9>&-

# Wine's own Tahoma (Debian package fonts-wine) is not found from its data
# folder; in the prefix's font folder it is, so dialogs draw in their face.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
for f in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
  if [ -f "$f" ] && [ -d "$fonts" ] && [ ! -f "$fonts/$(basename "$f")" ]; then
    cp "$f" "$fonts/"
  fi
done
exec "${wine[@]}" "$@"
