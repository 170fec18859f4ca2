#!/bin/sh
# scripts/dossier_intact.sh on a folder like the build's data folder: a command
# that only reads it, or makes and removes a temporary file, passes; one that
# changes, adds, removes or replaces a file, even keeping its size and setting
# its modification time back, fails, as does a command that fails.
set -u
script=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
mkdir -p "$dossier/parametres/English"
printf '[generales]\r\n' > "$dossier/parametres/Pralinore.ini"
printf '[Aide]\r\n' > "$dossier/parametres/English/Aide1.ini"
statut=0

attendu() {
  resultat=$1
  shift
  if sh "$script" "$dossier" sh -c "$*" 2> /dev/null; then obtenu=0; else obtenu=1; fi
  if [ "$obtenu" -ne "$resultat" ]; then
    echo "expected exit $resultat, got $obtenu: $*" >&2
    statut=1
  fi
}

cd "$dossier"
attendu 0 'cat parametres/Pralinore.ini > /dev/null'
attendu 0 'touch .pralinore-essai.tmp1-0 && rm .pralinore-essai.tmp1-0'
attendu 1 'false'
attendu 1 'printf "langue=1\r\n" >> parametres/Pralinore.ini'
attendu 1 'touch Fonction.ini'
attendu 1 'mkdir parametres/vide'
attendu 1 'rm "parametres/English/Aide1.ini"'
attendu 1 'cp -p parametres/Pralinore.ini p.tmp && mv p.tmp parametres/Pralinore.ini'
attendu 1 'touch -r parametres/Pralinore.ini t && printf G | dd of=parametres/Pralinore.ini bs=1 seek=1 conv=notrunc &&
  touch -r t parametres/Pralinore.ini && rm t'
exit $statut
