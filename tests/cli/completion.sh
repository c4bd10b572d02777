#!/usr/bin/env bash
# The bash completion as a user meets it: the --tables folder's satellites for add-transponders
# --from and check --satellite, set-channel's and set-transponder's fields and their choices,
# export-html's columns, every option's fixed choices, block indexes. Skipped (77) without it.
set -euo pipefail
cli=$1
completion=$2
if [[ ! -f /usr/share/bash-completion/bash_completion ]]; then
  echo "skipped: bash-completion is missing (scripts/deps package installs it)"
  exit 77
fi
source /usr/share/bash-completion/bash_completion
source "$completion"
compopt() { :; }  # only a running completion has options to set
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && cd "$dir"
mkdir tables
for name in Hotbird-13.0E Hotbird-13C-13.0E Astra-19.2E; do echo '[T]' >"tables/$name"; done
mkfifo tables/Blocks-1.0W  # never read: completing must not wait on it

# What bash would offer after typing $1: words split at blanks and at "=", as bash does.
offered() {
  local spaced=${1//=/ = }
  COMP_LINE="$cli $1" COMP_POINT=$((${#cli} + 1 + ${#1}))
  read -ra COMP_WORDS <<<"$cli $spaced"
  [[ $1 == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _chanforge_cli
  echo "${COMPREPLY[*]}"
}
status=0
expect() {
  local got
  got=$(offered "$1")
  if [[ $got != "$2" ]]; then
    echo "'$1' offers '$got', not '$2'"
    status=1
  fi
}
expect 'add-transponders f.bin --tables tables --from Hot' 'Hotbird-13.0E Hotbird-13C-13.0E'
expect 'add-transponders f.bin --tables tables --from 1' '13.0E 19.2E'
expect 'check f.bin --tables tables --satellite ' 'A= B='
expect 'check f.bin --tables tables --satellite A=As' 'Astra-19.2E'
expect 'check f.bin --tables tables --satellite a=19.2E,B=H' 'Hotbird-13.0E Hotbird-13C-13.0E'
expect 'set-channel f.bin 1 s' 'sid='
expect 'set-transponder f.bin 1 sid=2 fe' 'fec='
expect 'set-transponder f.bin 1 fec=3' '3/4'
expect 'set-transponder f.bin 1 band=' 'D U'
expect 'hexdump f.bin ' '0 1 2 3 4 5 6 7'
expect 'swap-d' 'swap-diseqc'
expect 'set-channel f.bin 1 name=X --ye' '--yes'
expect 'export-html f.bin --columns ' 'nr name use tp sid vpid apid vecm aecm pcr'
expect 'export-html f.bin --columns nr,SID,na' 'nr,SID,name'
# Every option of every command with fixed choices offers them.
for command in $("$cli" --help | sed -n '/^Subcommands:/,$s/^  \([^ ]*\) .*/\1/p'); do
  while read -r option choices; do
    expect "$command f.bin $option " "${choices//,/ }"
  done < <("$cli" "$command" --help |
    sed -n 's/^  \(-[a-zA-Z],\)\{0,1\}\(--[a-z0-9-]*\) [A-Z]*:{\([^}]*\)}.*/\2 \3/p')
done
exit $status
