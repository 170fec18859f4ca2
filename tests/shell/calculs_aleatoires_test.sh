#!/bin/sh
# Property test of the Calculs page without its window over random inputs:
# pralinore-calculs ends normally with one answer line per input, and no
# answer holds an infinite or undefined number ("INF", "NAN"), the failure
# mark "#err" or a control character (C0, DEL, C1), which no line can show. Usage: calculs_aleatoires_test.sh <generator> <pralinore-calculs> <count>
set -eu
generateur=$1
calculs=$2
nombre=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$generateur" "$nombre" > "$tmp/saisies"
if ! "$calculs" < "$tmp/saisies" > "$tmp/reponses" 2> "$tmp/messages"; then
  echo "pralinore-calculs failed on the random inputs" >&2
  tail -n 5 "$tmp/messages" >&2
  exit 1
fi
lignes=$(wc -l < "$tmp/reponses")
if [ "$lignes" -ne "$nombre" ]; then
  echo "$nombre inputs gave $lignes answer lines" >&2
  exit 1
fi
if paste -d '\t' "$tmp/saisies" "$tmp/reponses" | grep -E "	.*(INF|NAN|#err)" > "$tmp/fautes"; then
  echo "answers with INF, NAN or #err (input, answer):" >&2
  head -n 10 "$tmp/fautes" >&2
  exit 1
fi
if LC_ALL=C grep -naP '[\x00-\x09\x0b-\x1f\x7f]|\xc2[\x80-\x9f]' "$tmp/reponses" > "$tmp/controles"; then
  echo "answers with a control character (line: answer, as cat -v shows it):" >&2
  head -n 10 "$tmp/controles" | cat -v >&2
  exit 1
fi
