#!/usr/bin/env bash
# The channel and transponder CSVs through LibreOffice Calc's default import and export,
# csv -> ods -> csv and csv -> csv, with names a spreadsheet would run or turn into values:
# both import back to the same image. Skipped (77) where Calc is not installed.
set -euo pipefail
cli=$1
if ! command -v soffice >/dev/null; then
  echo "skipped: soffice is missing (scripts/deps calc installs LibreOffice Calc)"
  exit 77
fi
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && cd "$dir"
export HOME=$dir  # a profile of its own, never a running office's
"$cli" make-sample a.bin
n=1
for name in '=1+2' '=HYPERLINK("x")' 0123 1E5 1.000 1/2 12:30 -2 +cmd '@SUM(A1)' TRUE NA \
            "'abc" ' 12' 1234567890123456; do
  "$cli" --yes set-channel a.bin $n "name=$name" -o a.bin
  n=$((n + 1))
done
"$cli" export-csv a.bin --channels channels.csv
"$cli" export-csv a.bin --transponders transponders.csv
office() { timeout 300 soffice --headless "$@" >/dev/null 2>&1; }
office --convert-to ods --outdir ods channels.csv transponders.csv
office --convert-to csv --outdir ods-csv ods/channels.ods ods/transponders.ods
office --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir csv-csv \
  channels.csv transponders.csv
for road in ods-csv csv-csv; do
  "$cli" --yes import-csv a.bin --channels $road/channels.csv -o b.bin
  "$cli" --yes import-csv b.bin --transponders $road/transponders.csv -o b.bin
  cmp a.bin b.bin || { echo "$road changed the image"; diff channels.csv $road/channels.csv; exit 1; }
done
echo "both roads give the same image"
