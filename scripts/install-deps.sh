#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and is missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  libgtest-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  clang libclang-rt-14-dev
  poppler-utils fonts-dejavu-core
  dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installo i pacchetti mancanti: ${missing[*]}"
run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
run_as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive run_as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
