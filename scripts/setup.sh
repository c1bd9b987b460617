# Shared by start.sh and test.sh: installs what a fresh Debian 12 machine lacks, then
# configures and builds. Sourced, not run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

PACKAGES=(build-essential cmake ninja-build qt6-base-dev libsqlite3-dev libgtest-dev fonts-dejavu-core
          ${EXTRA_PACKAGES:-})
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_EXTRA:-} > /dev/null
cmake --build "$BUILD_DIR" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
