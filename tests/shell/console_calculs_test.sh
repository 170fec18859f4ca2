#!/bin/sh
# The Calculs page without its window answers one line per input line, in
# UTF-8: the result the history shows, collected after a derivative or an
# antiderivative, or the syntax check's message; nothing for a blank input.
set -e
calculs="$1"
programme="$1"
. "$(dirname "$0")/../verifie_console.sh"
verifie '' 'developper((x+3)^2)
deriver(x^3*x;x)
integrer(x+x;x)
2X + 3x
x+
  
reduire(2*x-2)
' '3^2+2*3*x+x^2
4*x^3
x^2
2*x+3*x
Doublon d'"'"'opérateur: l'"'"'opérateur + est suivi d'"'"'un autre opérateur.

-2+2*x'
verifie --sans-implicite '2x\n2*x\n' '2x
2*x'
if "$calculs" --inconnue < /dev/null 2> /dev/null; then
  echo "an unknown option must fail" >&2
  exit 1
fi
