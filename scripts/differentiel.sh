#!/bin/sh
# Runs every test program of the engine with its differential tests (each
# shortcut against the written algorithm it stands for) drawing many more
# random inputs than ctest does: 100,000 each by default. The other tests
# run as usual.
#
#   scripts/differentiel.sh [build folder [count]]
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
nombre=${2:-100000}
export PRALINORE_CAS_DIFFERENTIELS="$nombre"
programmes=$(grep -o 'pralinore_test(test_[a-z_]*' "$racine/tests/engine/CMakeLists.txt" | sed 's/pralinore_test(//')
echec=0
for programme in $programmes; do
  [ -x "$build/bin/$programme" ] || { echo "no $build/bin/$programme" >&2; exit 2; }
  echo "== $programme"
  "$build/bin/$programme" --gtest_brief=1 || echec=1
done
[ "$echec" = 0 ] && echo "every differential test passed on $nombre inputs"
exit "$echec"
