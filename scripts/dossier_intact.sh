#!/bin/sh
# scripts/dossier_intact.sh <folder> <command> [argument...]
# Runs the command and fails when, meanwhile, a file of the folder was written,
# added, removed or replaced. ./test runs the tests through it on the build's
# data folder: the program may have written its settings there (./run), but
# the tests must leave it as they found it. Exits with the command's status
# when the command failed, else 1 when the folder changed (the changes listed).
set -eu
dossier=$1
shift

# One line per entry. A file's line holds its size, its modification and change
# times and its inode: any write moves the change time, which no copying tool
# can set back, and a file replaced by another has a new inode. A folder's line
# holds its name alone, since its times move with every file made and removed
# in it (the program's write test leaves nothing behind).
empreinte() {
  { find "$dossier" -type d -printf '%P/\n'; find "$dossier" ! -type d -printf '%P %y %s %T@ %C@ %i\n'; } |
    LC_ALL=C sort
}

traces=$(mktemp -d)
trap 'rm -rf "$traces"' EXIT
empreinte > "$traces/avant"
statut=0
"$@" || statut=$?
empreinte > "$traces/apres"

if ! cmp -s "$traces/avant" "$traces/apres"; then
  echo "$dossier changed while this ran: $* (- before, + after)" >&2
  diff "$traces/avant" "$traces/apres" | sed -n 's/^< /- /p; s/^> /+ /p' >&2 || true
  [ "$statut" -ne 0 ] || statut=1
fi
exit "$statut"
