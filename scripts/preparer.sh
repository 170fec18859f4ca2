# Shared set-up of ./test and ./run (sourced): installs the Debian packages
# that are missing, then configures and builds build/ (warnings as errors):
# all of it for ./test, the program alone for ./run.
set -eu

racine=$(cd "$(dirname "$0")" && pwd)
cd "$racine"
paquets="cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev libpng-dev libgif-dev qt6-base-dev qt6-translations-l10n libgl-dev libsodium-dev libgmp-dev locales fonts-dejavu-core xvfb xauth"
jobs=$(nproc 2>/dev/null || echo 2)

installer_paquets() {
  manquants=""
  for p in $paquets; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      manquants="$manquants $p"
    fi
  done
  [ -z "$manquants" ] && return 0
  echo "Installing:$manquants"
  sudo_=""
  [ "$(id -u)" -eq 0 ] || sudo_="sudo"
  $sudo_ apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -q --no-install-recommends $manquants
}

configurer_principal() {
  cmake -S . -B build -G Ninja -DPRALINORE_WERROR=ON
}

# Everything: the program, its data, the tests, benchmarks and fuzz targets.
construire_principal() {
  configurer_principal
  cmake --build build -j "$jobs"
}

# Only what ./run starts: the program and the `parametres` files beside it.
construire_programme() {
  configurer_principal
  cmake --build build -j "$jobs" --target pralinore parametres
}
