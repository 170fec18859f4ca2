#!/bin/sh
# Prints what the engine driver answers for every input the project keeps:
# each line of bench/corpus/*.txt and each seed of the fuzz corpus, in the
# driver's modes (French, English, implicit products, node, call). Two runs
# compared with cmp show whether a change altered any answer:
#
#   scripts/sorties_moteur.sh build/bin > avant.txt
#   ... change, rebuild ...
#   scripts/sorties_moteur.sh build/bin > apres.txt && cmp avant.txt apres.txt
#
# A fuzz seed's first byte chooses the language (bit 0) and the implicit
# products (bit 1), as the fuzz target reads it; its text is Windows-1252 and
# goes to the driver as UTF-8. Seeds holding a line break are skipped (the
# driver reads one input per line).
set -eu
bin=${1:?usage: sorties_moteur.sh <folder of pralinore-moteur>}
racine=$(cd "$(dirname "$0")/.." && pwd)
moteur="$bin/pralinore-moteur"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Windows-1252 bytes to UTF-8; the five undefined bytes map to U+0081...
vers_utf8() {
  perl -e '
    my @t = (0x20AC,0x81,0x201A,0x192,0x201E,0x2026,0x2020,0x2021,0x2C6,0x2030,0x160,0x2039,0x152,0x8D,0x17D,0x8F,
             0x90,0x2018,0x2019,0x201C,0x201D,0x2022,0x2013,0x2014,0x2DC,0x2122,0x161,0x203A,0x153,0x9D,0x17E,0x178);
    binmode STDOUT, ":utf8"; local $/; my $s = <STDIN>;
    print join "", map { my $c = ord; chr($c >= 0x80 && $c < 0xA0 ? $t[$c - 0x80] : $c) } split //, $s;'
}

passe() {  # passe <title> <input file> <driver options...>
  titre=$1; entree=$2; shift 2
  echo "== $titre"
  "$moteur" "$@" < "$entree" > "$tmp/sortie" 2> "$tmp/erreurs" || echo "(exit $?)"
  paste "$entree" "$tmp/sortie"
  [ -s "$tmp/erreurs" ] && { echo "-- messages"; cat "$tmp/erreurs"; }
  return 0
}

cat "$racine"/bench/corpus/*.txt > "$tmp/corpus"
passe "corpus fr" "$tmp/corpus"
passe "corpus en" "$tmp/corpus" --langue en
passe "corpus implicite" "$tmp/corpus" --implicite
passe "corpus noeud" "$tmp/corpus" --noeud
passe "corpus fonction" "$tmp/corpus" --fonction

for options in 0 1 2 3; do : > "$tmp/graines$options"; done
for f in "$racine"/fuzz/corpus/moteur/*; do
  octet=$(head -c 1 "$f" | od -An -tu1 | tr -d ' ')
  [ -n "$octet" ] || continue
  tail -c +2 "$f" > "$tmp/texte"
  if tr -d '\n\r' < "$tmp/texte" | cmp -s - "$tmp/texte"; then
    { vers_utf8 < "$tmp/texte"; echo; } >> "$tmp/graines$(( octet & 3 ))"
  fi
done
passe "graines fr" "$tmp/graines0"
passe "graines en" "$tmp/graines1" --langue en
passe "graines fr implicite" "$tmp/graines2" --implicite
passe "graines en implicite" "$tmp/graines3" --langue en --implicite
