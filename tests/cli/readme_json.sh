#!/usr/bin/env bash
# The README's jq examples, run as written on a drawer of dumps with one image that cannot
# be read: each goes through (jq ends with status 0), as a script would rely on.
set -euo pipefail
cli=$1
readme=$(realpath "$2")
if ! command -v jq >/dev/null; then
  echo "skipped: jq is missing (scripts/deps core installs it)"
  exit 77
fi
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && cd "$dir"
mkdir -p dumps/folder.bin  # a folder for an image: it can not be read
"$cli" make-sample flash512k.bin >/dev/null
cp flash512k.bin dumps/a.bin
cp flash512k.bin old.bin
"$cli" --yes remove-channels flash512k.bin 2-3 -o new.bin >/dev/null
# Each example: a line that pipes into jq, with the lines that go on from it.
mapfile -t examples < <(awk '/^\$cli .*\| jq/ { if (e) print e; e = $0; next }
  e && /^    / { e = e " " $0; next } e { print e; e = "" } END { if (e) print e }' "$readme")
((${#examples[@]} >= 5)) || { echo "only ${#examples[@]} examples found in $readme"; exit 1; }
status=0
for example in "${examples[@]}"; do
  # The pipeline's status is jq's: "Cannot iterate over null" and the like end it with 5.
  if ! cli=$cli bash -c "$example" >/dev/null 2>"$dir/errors"; then
    echo "fails: $example"
    cat "$dir/errors"
    status=1
  fi
done
exit $status
