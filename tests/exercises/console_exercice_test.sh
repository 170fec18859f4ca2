#!/bin/sh
# The exercise tool: errors end with a message and a non-zero code; an
# exercise prints its fields in order, the same for the same seed.
set -e
outil="$1"

echoue() {
  if "$outil" "$@" >/dev/null 2>/tmp/console_exercice_$$; then
    echo "pralinore-exercice $* should fail" >&2
    exit 1
  fi
  if [ ! -s /tmp/console_exercice_$$ ]; then
    echo "pralinore-exercice $*: no message" >&2
    exit 1
  fi
  rm -f /tmp/console_exercice_$$
}

echoue 9999 1
echoue abc 1
echoue 1116
echoue 1116 -1
echoue --langue de 1116 1
echoue --index 135 1
echoue --index -1 1

# A code of the next level that reruns a generator prints, seed for seed,
# what the generator's own code prints.
for graine in 0 7 31; do
  "$outil" 1522 $graine >/tmp/console_exercice_r_$$
  "$outil" 1422 $graine >/tmp/console_exercice_o_$$
  cmp -s /tmp/console_exercice_r_$$ /tmp/console_exercice_o_$$ || { echo "1522 and 1422 differ for seed $graine" >&2; exit 1; }
done
rm -f /tmp/console_exercice_r_$$ /tmp/console_exercice_o_$$

# Fields of the linear functions, the equations and the English statements.
sortie_de() {
  sortie=$("$outil" "$@" 2>&1 | tr -d '\r')
}
ligne_attendue() {
  echo "$sortie" | grep -q -- "$1" || { echo "pralinore-exercice: no line $1" >&2; exit 1; }
}
sortie_de 2412 3
for l in '^graphique: RemoveAllSeries$' '^graphique: gauche SetGridVisible 0$' '^graphique: bas SetGridVisible 1$' \
  '^graphique: gauche SetMinMax -6 6$' '^graphique: NewLineSeries 0$' '^graphique: SetTitle 0 .*\*x+(.*)$' \
  '^graphique: SetEnabled 0$'; do
  ligne_attendue "$l"
done
[ "$(echo "$sortie" | grep -c '^graphique: AddXY 0 ')" = 101 ] || { echo "2412: not 101 points" >&2; exit 1; }
sortie_de 1503 3
ligne_attendue '^ordonnees=0$'
sortie_de --langue en 4401 3
ligne_attendue '^enonce=In a library open from Tuesday to Saturday'

# Seeds that once hid a term 0 of the sum or wrote a plus sign before a
# negative number: three terms before the dots, and no "+(-" or "+-".
for cas in "1629 22" "1729 22" "1629 82" "1629 106"; do
  sortie_de $cas
  ligne_attendue '^enonce=.*S = {-\{0,1\}[0-9]\{1,\}[-+][0-9]\{1,\}[-+][0-9]\{1,\}+\. \. \.'
done
for cas in "1701 1" "1502 19" "1411 4"; do
  sortie_de $cas
  if echo "$sortie" | grep -q -- '+(-\|+-'; then
    echo "pralinore-exercice $cas: a plus sign before a negative number" >&2
    exit 1
  fi
done

# The first entry without a generator, if any, is refused.
index=0
while [ $index -lt 135 ]; do
  if ! "$outil" --index $index 1 >/dev/null 2>&1; then
    echoue --index $index 1
    break
  fi
  index=$((index + 1))
done

# The factorising exercise asks for a product and leaves its expression in
# the calculator's input line.
"$outil" 1411 7 >/tmp/console_exercice_f_$$
grep -qx 'forme=factoriser' /tmp/console_exercice_f_$$ || { echo "1411: no forme=factoriser" >&2; exit 1; }
grep -q '^calculatrice: .' /tmp/console_exercice_f_$$ || { echo "1411: no calculator input" >&2; exit 1; }
rm -f /tmp/console_exercice_f_$$

# An entry with a generator: its fields in order, stable for a seed.
index=0
while [ $index -lt 135 ]; do
  if "$outil" --index $index 7 >/tmp/console_exercice_a_$$ 2>/dev/null; then
    champs=$(cut -d= -f1 /tmp/console_exercice_a_$$ | grep -v '^graphique: \|^calculatrice: ' | head -7 | tr '\n' ' ')
    if [ "$champs" != "enonce format reponses correction saisie forme ordonnees " ]; then
      echo "fields of entry $index: $champs" >&2
      exit 1
    fi
    "$outil" --index $index 7 >/tmp/console_exercice_b_$$
    cmp -s /tmp/console_exercice_a_$$ /tmp/console_exercice_b_$$ || { echo "entry $index differs between runs" >&2; exit 1; }
    enonce=$("$outil" --enonce --index $index 7)
    [ "enonce=$enonce" = "$(head -1 /tmp/console_exercice_a_$$)" ] || { echo "--enonce of entry $index" >&2; exit 1; }
    "$outil" --langue en --index $index 7 >/dev/null
    rm -f /tmp/console_exercice_a_$$ /tmp/console_exercice_b_$$
    exit 0
  fi
  index=$((index + 1))
done
