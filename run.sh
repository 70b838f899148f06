#!/usr/bin/env bash
# Installs what is missing, builds, and starts Paretix LT.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Paretix LT ha bisogno di un desktop grafico (nessun DISPLAY o WAYLAND_DISPLAY)."
  echo "In alternativa, senza finestra: build/src/cli/paretix-report examples/parete-intercapedine.css"
  exit 0
fi
if [ -x build/src/app/paretix ]; then
  exec build/src/app/paretix "$@"
fi
echo "La finestra principale non è ancora disponibile; il calcolo da riga di comando sì:"
echo "  build/src/cli/paretix-report FILE.css"
