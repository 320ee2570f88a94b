#!/usr/bin/env bash
# Checks a 32-bit kelvoran.dll: its export table holds exactly the plain names
# pi_initialize, pi_activate and pi_finalize, and each function removes its
# own arguments from the stack (stdcall: ret $0x10, $0x8, $0x4).
set -euo pipefail
dll="$1"
objdump=i686-w64-mingw32-objdump

exports="$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\[ *[0-9]+\]/{print $NF}' | sort | tr '\n' ' ')"
if [ "$exports" != "pi_activate pi_finalize pi_initialize " ]; then
  echo "export table of $dll is [$exports], expected exactly pi_activate pi_finalize pi_initialize" >&2
  exit 1
fi

# Every return of each export pops the expected number of bytes.
disassembly="$("$objdump" -d --no-show-raw-insn "$dll")"
for entry in pi_initialize:0x10 pi_activate:0x8 pi_finalize:0x4; do
  name="${entry%%:*}" bytes="${entry##*:}"
  rets="$(awk -v n="$name" '
      /^[0-9a-f]+ <[^>]+>:$/ { inside = ($2 ~ "^<_?" n "(@[0-9]+)?>:$") ; next }
      inside && /\tret/ { print $NF }' <<<"$disassembly" | sort -u | tr '\n' ' ')"
  if [ "$rets" != "\$$bytes " ]; then
    echo "$name returns with [$rets], expected ret \$$bytes" >&2
    exit 1
  fi
done
echo "exports of $dll: plain names, stdcall"
