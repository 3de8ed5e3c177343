# Shared set-up of scripts/run and scripts/test: installs the Debian packages
# that are missing, then configures and builds. Sourced, not run.
set -euo pipefail

WURZEL=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BAU=${VANDREL_BAU:-$WURZEL/build}

PAKETE=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xdotool x11-utils xauth libx11-dev
  fonts-dejavu-core fontconfig
  appstream desktop-file-utils lintian groff mandoc gettext python3
)

# Installs those of the named Debian packages that are missing.
pakete_installieren() {
  local fehlende=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlende+=("$p")
  done
  if [ ${#fehlende[@]} -gt 0 ]; then
    echo "Installiere: ${fehlende[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlende[@]}"
  fi
}
pakete_installieren "${PAKETE[@]}"

if [ ! -f "$BAU/CMakeCache.txt" ]; then
  cmake -S "$WURZEL" -B "$BAU" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${VANDREL_CMAKE_FLAGS:-}
fi
cmake --build "$BAU" -j"$(nproc)"
