#!/usr/bin/env bash
# Installs what is missing, builds, and starts Paretix LT.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

cmake --preset dev
cmake --build --preset dev -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Paretix LT ha bisogno di un desktop grafico (nessun DISPLAY o WAYLAND_DISPLAY)."
  echo "In alternativa, senza finestra: build/src/cli/paretix-report examples/parete-intercapedine.css"
  exit 0
fi
exec build/src/app/paretix "$@"
