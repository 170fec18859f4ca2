#!/bin/sh
# Compares the answers of two builds byte for byte, on every input set the
# project keeps and on random ones:
#   - the benchmark corpus (bench/corpus/*.txt) through pralinore-calculs,
#     with and without the implicit products;
#   - the corpus and the fuzz seeds through pralinore-moteur in its modes
#     (scripts/sorties_moteur.sh);
#   - <count> random inputs (100,000 by default) from saisies_aleatoires,
#     through pralinore-calculs and pralinore-moteur.
# Answers, messages on the error output and exit codes must all be equal.
# Prints the first differing inputs of each set and exits with 1 when any
# differs.
#
#   scripts/comparer_builds.sh <bin folder A> <bin folder B> [count [seed]]
#
# The random inputs come from A's saisies_aleatoires (B's when A has none).
set -eu
usage="usage: comparer_builds.sh <bin folder A> <bin folder B> [count [seed]]"
a=${1:?$usage}
b=${2:?$usage}
nombre=${3:-100000}
graine=${4:-1}
racine=$(cd "$(dirname "$0")/.." && pwd)
premieres=10  # differing inputs shown per set
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
differences=0

for dossier in "$a" "$b"; do
  for programme in pralinore-calculs pralinore-moteur; do
    [ -x "$dossier/$programme" ] || { echo "no $programme in $dossier" >&2; exit 2; }
  done
done
generateur="$a/saisies_aleatoires"
[ -x "$generateur" ] || generateur="$b/saisies_aleatoires"
[ -x "$generateur" ] || { echo "no saisies_aleatoires in $a or $b" >&2; exit 2; }

# lance <build folder> <output prefix> <input file> <program> <options...>
lance() {
  dossier=$1; sortie=$2; entree=$3; programme=$4; shift 4
  set +e
  "$dossier/$programme" "$@" < "$entree" > "$sortie.out" 2> "$sortie.err"
  echo $? > "$sortie.rc"
  set -e
}

# Shows the first inputs whose answer lines differ, then the error outputs'
# and exit codes' differences.
montre() {  # montre <input file>
  separateur=$(printf '\037')
  paste -d "$separateur" "$1" "$tmp/a.out" "$tmp/b.out" |
    awk -F "$separateur" -v max="$premieres" '$2 != $3 {
      if (++n <= max) printf "  line %d: %s\n    A: %s\n    B: %s\n", NR, $1, $2, $3
    } END { printf "  %d differing answer lines\n", n }'
  cmp -s "$tmp/a.err" "$tmp/b.err" || { echo "  error output differs:"; diff "$tmp/a.err" "$tmp/b.err" | head -n "$premieres"; }
  cmp -s "$tmp/a.rc" "$tmp/b.rc" || echo "  exit code A $(cat "$tmp/a.rc"), B $(cat "$tmp/b.rc")"
}

# compare <title> <input file> <program> <options...>: both builds at once.
compare() {
  titre=$1; entree=$2; shift 2
  lance "$a" "$tmp/a" "$entree" "$@" &
  lance "$b" "$tmp/b" "$entree" "$@" &
  wait
  lignes=$(wc -l < "$entree")
  if cmp -s "$tmp/a.out" "$tmp/b.out" && cmp -s "$tmp/a.err" "$tmp/b.err" && cmp -s "$tmp/a.rc" "$tmp/b.rc"; then
    echo "same      $titre ($lignes inputs)"
  else
    echo "DIFFERENT $titre ($lignes inputs)"
    montre "$entree"
    differences=$((differences + 1))
  fi
}

cat "$racine"/bench/corpus/*.txt > "$tmp/corpus"
compare "corpus, pralinore-calculs" "$tmp/corpus" pralinore-calculs
compare "corpus, pralinore-calculs --sans-implicite" "$tmp/corpus" pralinore-calculs --sans-implicite

"$racine/scripts/sorties_moteur.sh" "$a" > "$tmp/moteur_a" &
"$racine/scripts/sorties_moteur.sh" "$b" > "$tmp/moteur_b" &
wait
if cmp -s "$tmp/moteur_a" "$tmp/moteur_b"; then
  echo "same      corpus and fuzz seeds, pralinore-moteur (scripts/sorties_moteur.sh)"
else
  echo "DIFFERENT corpus and fuzz seeds, pralinore-moteur (scripts/sorties_moteur.sh):"
  diff "$tmp/moteur_a" "$tmp/moteur_b" | head -n $((premieres * 2))
  differences=$((differences + 1))
fi

"$generateur" "$nombre" "$graine" > "$tmp/aleatoires"
compare "random inputs (seed $graine), pralinore-calculs" "$tmp/aleatoires" pralinore-calculs
compare "random inputs (seed $graine), pralinore-moteur" "$tmp/aleatoires" pralinore-moteur

if [ "$differences" -ne 0 ]; then
  echo "$differences input sets answer differently"
  exit 1
fi
echo "all answers identical"
