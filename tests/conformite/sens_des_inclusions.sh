#!/bin/sh
# Fails when an include goes against the layers of the program, printing each
# offending file and include:
#   - engine includes no formula, shell, exercises or platform header;
#   - localisation includes no engine, formula, shell, exercises or platform;
#   - formula and platform include no shell or exercises header;
#   - the engine's parsing floor includes only itself, the function table and
#     the error values (so no rewriting unit);
#   - the rest of the engine includes nothing of the curves library above it;
#   - the sources of the Qt-free libraries, and every project header they
#     reach, include no Qt header.
# Usage: sens_des_inclusions.sh <src folder> <source of a Qt-free library>...
src=$1
shift
status=0

# Lines `#include "dossier/..."` of the files given, as file:line:include.
inclusions() {
  grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$@" 2>/dev/null
}

# Each include of a file under $1 that names one of the folders $2...
interdire() {
  couche=$1
  shift
  fichiers=$(find "$src/$couche" -type f \( -name '*.h' -o -name '*.cpp' \))
  [ -n "$fichiers" ] || return
  for dossier in "$@"; do
    if inclusions $fichiers | grep "\"$dossier/"; then
      echo "  -> $couche must not include $dossier/"
      status=1
    fi
  done
}

interdire engine formula shell exercises platform
interdire localisation engine formula shell exercises platform
interdire formula shell exercises
interdire platform shell exercises

# The parsing floor of the engine: cutting texts at their top level, calls of
# the function table, brackets, text predicates and the text builder. Beside
# it, the units it may lean on: the function table, the error values and the
# guard that bounds depth and work.
plancher="expression decoupage parentheses appel_fonction primitives operation"
appuis="fonctions_usuelles lignes_predefinies valeurs_erreur profondeur"
for unite in $plancher $appuis; do
  for fichier in "$src/engine/$unite.h" "$src/engine/$unite.cpp"; do
    [ -f "$fichier" ] || continue
    for inclus in $(inclusions "$fichier" | sed -n 's/.*"engine\/\([a-z_]*\)\.h".*/\1/p'); do
      case " $plancher $appuis " in
        *" $inclus "*) ;;
        *)
          echo "$fichier: includes engine/$inclus.h"
          echo "  -> the engine's parsing floor must not include a rewriting unit"
          status=1
          ;;
      esac
    done
  done
done

# The curves library stands above the engine: no other unit of the engine
# includes one of its headers.
courbes="arrondi_decimal calculs_courbes courbe intersection_courbes serie_courbe"
for fichier in $(find "$src/engine" -type f \( -name '*.h' -o -name '*.cpp' \)); do
  unite=$(basename "$fichier")
  case " $courbes " in *" ${unite%.*} "*) continue ;; esac
  for inclus in $(inclusions "$fichier" | sed -n 's/.*"engine\/\([a-z_]*\)\.h".*/\1/p'); do
    case " $courbes " in
      *" $inclus "*)
        echo "$fichier: includes engine/$inclus.h"
        echo "  -> the engine must not include the curves library"
        status=1
        ;;
    esac
  done
done

# Every file a Qt-free library compiles: its sources, their headers of the same
# name, then each project header they include, until nothing new is reached.
vus=$(mktemp)
trap 'rm -f "$vus"' EXIT
for source in "$@"; do
  case "$source" in "$src"/*) ;; *) continue ;; esac
  echo "$source" >>"$vus"
  entete="${source%.cpp}.h"
  [ -f "$entete" ] && echo "$entete" >>"$vus"
done
sort -u -o "$vus" "$vus"
while :; do
  avant=$(wc -l <"$vus")
  for inclus in $(inclusions $(cat "$vus") | sed -n 's/.*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' | sort -u); do
    [ -f "$src/$inclus" ] && echo "$src/$inclus" >>"$vus"
  done
  sort -u -o "$vus" "$vus"
  [ "$(wc -l <"$vus")" -gt "$avant" ] || break
done
if grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' $(cat "$vus"); then
  echo "  -> a Qt-free library must not include a Qt header"
  status=1
fi

[ $status -eq 0 ] || echo "includes against the layers of the program (see above)"
exit $status
