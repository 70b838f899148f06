#!/usr/bin/env bash
# Plants faults in src/core one at a time and reports which ones the core tests miss.
#   scripts/mutanti.sh [HOW_MANY] [--seme N] [--build DIR] [--lavori N] [--elenca] [--posto FILE:RIGA]
# It takes minutes (one rebuild and one test run per fault) and is not part of ./test.sh.
set -euo pipefail
exec python3 "$(dirname "$0")/mutanti.py" "$@"
