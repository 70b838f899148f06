#!/usr/bin/env bash
# Every arrow between folders points down: a file may include from its own folder or from a
# folder below it, never from one above. The core's folders, lowest first, then the front ends.
# Inside one folder the arrows between its units (a header and its source file are one unit)
# form no loop.
set -euo pipefail
ordine=(core/porte core/model core/files core/calc core/charts core/materials core/verifiche
  core/simulazione core/variazioni core/window core/relazione disegno ui cli app)
declare -A livello
for i in "${!ordine[@]}"; do livello[${ordine[$i]}]=$i; done

cartella() { # core/model/numeri.h -> core/model ; ui/twip.h -> ui
  case $1 in
  core/*) echo "$1" | cut -d/ -f1-2 ;;
  *) echo "${1%%/*}" ;;
  esac
}

errori=0
archi=$(mktemp)
trap 'rm -f "$archi" "$archi.cicli"' EXIT
cd "$1"
while IFS=: read -r file riga; do
  incluso=$(echo "$riga" | sed -E 's/^#include "([^"]+)".*/\1/')
  case $incluso in core/* | ui/*) ;; *) continue ;; esac
  da=$(cartella "$file")
  a=$(cartella "$incluso")
  # A folder missing from the list fails the check rather than passing unseen.
  for c in "$da" "$a"; do
    [ -n "${livello[$c]:-}" ] || { echo "cartella sconosciuta: $c" >&2 && exit 2; }
  done
  if [ "${livello[$a]}" -gt "${livello[$da]}" ]; then
    echo "$file include $incluso: $da non può dipendere da $a" >&2
    errori=$((errori + 1))
  fi
  if [ "$da" = "$a" ] && [ "${file%.*}" != "${incluso%.*}" ]; then
    echo "${file%.*} ${incluso%.*}" >>"$archi"
  fi
done < <(grep -rE '^#include "' --include='*.h' --include='*.cpp' . | sed 's|^\./||')
# tsort names the units of each loop it meets on its error stream.
if ! tsort "$archi" >/dev/null 2>"$archi.cicli"; then
  echo "inclusioni circolari:" >&2
  grep -v 'input contains a loop' "$archi.cicli" | sed 's/^tsort: /  /' >&2
  errori=$((errori + 1))
fi
[ "$errori" -eq 0 ] && echo "strati rispettati"
exit "$errori"
