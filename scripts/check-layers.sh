#!/usr/bin/env bash
# Refuses an #include that points up the layer diagram: each layer folder may
# include its own headers and those of the layers below it, nothing else.
# Prints every offending line as file:line and exits 1 if there is one.
set -euo pipefail
cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}"

# layer: the folders its files may include from (itself first).
declare -A allowed=(
  [os]="os"
  [ui]="ui os"
  [base]="base ui os"
  [image]="image base ui os"
  [controls]="controls base ui os"
  [settings]="settings controls base ui os"
  [dialog]="dialog settings controls image base ui os"
  [entry]="entry dialog settings controls image base ui os"
)

status=0
for layer in "${!allowed[@]}"; do
  [ -d "$layer" ] || continue
  while IFS=: read -r file line text; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
    top=${target%%/*}
    [ "$top" = "$target" ] && continue # a header beside the file
    ok=0
    for a in ${allowed[$layer]}; do [ "$top" = "$a" ] && ok=1; done
    if [ $ok -eq 0 ]; then
      echo "$file:$line: $layer/ may not include \"$target\" (it may include: ${allowed[$layer]})"
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$layer" --include='*.h' --include='*.cpp' --include='*.c' || true)
done
[ $status -eq 0 ] && echo "layer includes: every include points down"
exit $status
