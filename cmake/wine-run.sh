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
exec wine "$@"
