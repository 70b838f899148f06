#!/bin/sh
# Calculate on the 15-layer wall against its floor, the 115 numbers formatted alone: both
# benchmarks run in one process, interleaved at random over many repetitions, so that a change
# of the machine's load falls on both; prints the two medians and their ratio.
# Usage: bench/calcola_contro_riferimento.sh [build/bench/paretix_bench] [repetitions]
set -eu
programma=${1:-build/bench/paretix_bench}
ripetizioni=${2:-15}
"$programma" --benchmark_filter='^(CentoquindiciNumeri|Command1ClickPareteDiQuindiciStrati)$' \
    --benchmark_repetitions="$ripetizioni" --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/^CentoquindiciNumeri_median/ { r = $2 }
         /^Command1ClickPareteDiQuindiciStrati_median/ { c = $2 }
         END {
             if (r == 0 || c == 0) { print "benchmark non trovato" > "/dev/stderr"; exit 1 }
             rapporto = sprintf("%.2f", c / r)
             sub(/\./, ",", rapporto)
             printf "Calcola %d ns, riferimento %d ns, rapporto %s\n", c, r, rapporto
         }'
