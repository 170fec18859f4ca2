#!/bin/sh
# Runs a fuzz target on a fixed count of inputs, not for a fixed time:
#   lancer_fuzz.sh <inputs> <target> <arguments>...
# PRALINORE_FACTEUR_ESSAIS (a whole number from 1 to 9999, 1 by default) multiplies the
# count, for longer runs by hand.
set -eu
essais=$1
programme=$2
shift 2
facteur=${PRALINORE_FACTEUR_ESSAIS:-1}
case $facteur in
  '' | *[!0-9]* | 0 | 0* | ?????*)
    echo "PRALINORE_FACTEUR_ESSAIS must be a whole number from 1 to 9999: $facteur" >&2
    exit 2
    ;;
esac
exec "$programme" "$@" -runs=$((essais * facteur))
