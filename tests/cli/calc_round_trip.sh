#!/usr/bin/env bash
# The channel and transponder CSVs through LibreOffice Calc on both roads, csv -> ods -> csv
# and csv -> csv, imported as UTF-8 in English and in German, with special numbers detected
# and not: names and FECs a spreadsheet would run or turn into values, and accented names,
# import back to the same image. A file read as Western and saved as UTF-8 is refused, not
# stored garbled. Every road runs in one office start (a Basic macro), as a start takes
# seconds. Skipped (77) where Calc is not installed.
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
            "'abc" ' 12' 1234567890123456 'Café Noir' 'Ärzte TV' 'Mai 5' '5. Mai' WAHR 3.4. \
            'Okt 3' 'Sept 5' Jan-5 '£5' '12:30 PM'; do
  "$cli" --yes set-channel a.bin $n "name=$name" -o a.bin
  n=$((n + 1))
done
"$cli" export-csv a.bin --channels channels.csv
"$cli" export-csv a.bin --transponders transponders.csv

# Import options: separator, quote, character set (76 UTF-8, 1 Western), first line, column
# formats, language (1033 English, 1031 German), quoted fields as text, special numbers.
cat >run.bas <<'EOF'
Function Props(filter As String, options As String)
  Dim p(2) As New com.sun.star.beans.PropertyValue
  p(0).Name = "FilterName" : p(0).Value = filter
  p(1).Name = "FilterOptions" : p(1).Value = options
  p(2).Name = "Hidden" : p(2).Value = True
  Props = p
End Function

Sub Run(dir As String)
  On Error Goto Failed
  Const csv = "Text - txt - csv (StarCalc)"
  Const utf8 = "44,34,76,1"
  For Each road In Array("en-on:76,1,,1033,false,true", "en-off:76,1,,1033,false,false", _
                         "de-on:76,1,,1031,false,true", "de-off:76,1,,1031,false,false", _
                         "western:1,1,,1033,false,true")
    tag = Left(road, InStr(road, ":") - 1)
    options = "44,34," & Mid(road, InStr(road, ":") + 1)
    For Each list In Array("channels", "transponders")
      doc = StarDesktop.loadComponentFromURL(ConvertToURL(dir & "/" & list & ".csv"), _
                                             "_blank", 0, Props(csv, options))
      doc.storeToURL(ConvertToURL(dir & "/csv-" & tag & "/" & list & ".csv"), Props(csv, utf8))
      ods = ConvertToURL(dir & "/ods-" & tag & "/" & list & ".ods")
      doc.storeToURL(ods, Props("calc8", ""))
      doc.close(True)
      doc = StarDesktop.loadComponentFromURL(ods, "_blank", 0, Props("calc8", ""))
      doc.storeToURL(ConvertToURL(dir & "/ods-csv-" & tag & "/" & list & ".csv"), Props(csv, utf8))
      doc.close(True)
    Next
  Next
  StarDesktop.terminate()
  Exit Sub
Failed:
  f = FreeFile
  Open dir & "/failed" For Output As #f
  Print #f, "Basic error " & Err & " in line " & Erl & ": " & Error$
  Close #f
  StarDesktop.terminate()
End Sub
EOF
profile=$dir/profile
office() {
  timeout 120 soffice -env:UserInstallation="file://$profile" --headless --norestore "$@" \
    >/dev/null 2>&1
}
office --terminate_after_init  # makes the profile, whose Basic library then takes the macro
{
  echo '<?xml version="1.0" encoding="UTF-8"?>'
  echo '<script:module xmlns:script="http://openoffice.org/2000/script" script:name="Module1" script:language="StarBasic">'
  sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/"/\&quot;/g' run.bas
  echo '</script:module>'
} >"$profile/user/basic/Standard/Module1.xba"
office "macro:///Standard.Module1.Run(\"$dir\")"
if [[ -e failed ]]; then cat failed; exit 1; fi

for road in {csv,ods-csv}-{en,de}-{on,off}; do
  "$cli" --yes import-csv a.bin --channels $road/channels.csv -o b.bin
  "$cli" --yes import-csv b.bin --transponders $road/transponders.csv -o b.bin
  cmp a.bin b.bin || { echo "$road changed the image"; diff channels.csv $road/channels.csv; exit 1; }
done
# Refused for its first heading, the byte order mark read as Western ("ï»¿"), whatever
# the names.
for road in csv-western ods-csv-western; do
  if "$cli" --yes import-csv a.bin --channels $road/channels.csv -o c.bin 2>refusal ||
     ! grep -q $'Line 1 .*\xC3\xAF\xC2\xBB\xC2\xBF' refusal; then
    echo "$road: a file read as Western and saved as UTF-8 was not refused for it"
    exit 1
  fi
done
echo "every road gives the same image"
