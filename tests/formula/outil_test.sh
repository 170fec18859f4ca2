#!/bin/sh
# pralinore-rendu draws a page into a PNG of the asked width, with no display,
# and refuses bad options with a message and a non-zero exit code.
set -e
outil="$1"
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

printf '<P ALIGN=CENTER><B>Titre</B></P><BR>Aire : \\p r \302\250<A HREF=3>Aide</A>' |
  "$outil" --largeur 600 "$dossier/sortie.png" 2>/dev/null
# PNG signature, then the IHDR width as a 4-byte big-endian number.
entete=$(od -A n -t x1 -N 20 "$dossier/sortie.png" | tr -d ' \n')
[ "$entete" = "89504e470d0a1a0a0000000d4948445200000258" ] || {
  echo "not a 600-pixel-wide PNG: $entete" >&2
  exit 1
}

# Formulas, with the options of the formula layout and the English names.
printf '{1/(1/x)} et {affiche([[1;2];[3;4]])} {integrate(x^2;x)}' |
  "$outil" --largeur 400 --coloration --fonctions-en-rouge --langue en "$dossier/f.png" 2>/dev/null
entete=$(od -A n -t x1 -N 20 "$dossier/f.png" | tr -d ' \n')
[ "$entete" = "89504e470d0a1a0a0000000d4948445200000190" ] || {
  echo "not a 400-pixel-wide PNG: $entete" >&2
  exit 1
}

# A page that outgrows the file-size limit (ulimit -f) is refused as on a full
# disk: a message and a failure code, not the end by the system's signal; the
# old picture stays whole and nothing is left beside it.
mkdir "$dossier/limite"
printf 'ancienne' >"$dossier/limite/page.png"
statut=0
printf '<P ALIGN=CENTER><B>Titre</B></P><BR>Aire : \\p r' |
  (ulimit -f 2 && exec "$outil" --largeur 600 "$dossier/limite/page.png") 2>"$dossier/erreur" || statut=$?
[ "$statut" = 1 ] && grep -q "pralinore-rendu: cannot write" "$dossier/erreur" || {
  echo "a page beyond the size limit: exit $statut, $(cat "$dossier/erreur")" >&2
  exit 1
}
[ "$(cat "$dossier/limite/page.png")" = ancienne ] && [ "$(ls -A "$dossier/limite")" = page.png ] || {
  echo "a page beyond the size limit changed the folder: $(ls -A "$dossier/limite")" >&2
  exit 1
}

refuse() {  # arguments...
  if "$outil" "$@" </dev/null >/dev/null 2>"$dossier/erreur"; then
    echo "pralinore-rendu $* was accepted" >&2
    exit 1
  fi
  grep -q "pralinore-rendu:" "$dossier/erreur" || { echo "no message for: $*" >&2; exit 1; }
}
refuse --largeur
refuse --largeur abc "$dossier/a.png"
refuse --largeur 0 "$dossier/a.png"
refuse --inconnue "$dossier/a.png"
refuse --langue de "$dossier/a.png"
refuse "$dossier/a.png" --langue
refuse
refuse "$dossier/a.png" "$dossier/b.png"
printf '' | "$outil" "$dossier/vide.png" 2>/dev/null && { echo "an empty page was written" >&2; exit 1; }
exit 0
