#!/bin/sh
# Fails when a source of a Qt-free library holds a byte outside ASCII: their
# text is Windows-1252 and must come from the data files or the conversion helper.
status=0
for dossier in "$@"; do
  fichiers=$(find "$dossier" -type f \( -name '*.h' -o -name '*.cpp' \))
  [ -n "$fichiers" ] || continue
  if LC_ALL=C grep -n -P '[^\x00-\x7F]' $fichiers; then
    status=1
  fi
done
[ $status -eq 0 ] || echo "non-ASCII bytes in Qt-free sources (see above)" >&2
exit $status
