#!/bin/sh
# Property test of the Calculs page without its window over random inputs:
# pralinore-calculs ends normally with one answer line per input, and no
# answer holds an infinite or undefined number ("INF", "NAN") or the failure
# mark "#err". Usage: calculs_aleatoires_test.sh <generator> <pralinore-calculs> <count>
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
