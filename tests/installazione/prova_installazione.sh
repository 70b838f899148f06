#!/usr/bin/env bash
# The installed program as a user gets it: install the build into a temporary prefix, print
# the report of an installed example, start the installed desktop program offscreen with a
# home of its own, and build the Debian package.
set -euo pipefail
build=$1
radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT
prefisso=$radice/usr

cmake --install "$build" --prefix "$prefisso" >/dev/null

for f in bin/paretix bin/paretix-report share/paretix/abaco.txt \
  share/applications/paretix.desktop share/icons/hicolor/scalable/apps/paretix.svg \
  share/man/man1/paretix-report.1 share/doc/paretix/guida.html; do
  [ -e "$prefisso/$f" ] || { echo "manca nell'installazione: $f" >&2; exit 1; }
done
ls "$prefisso"/share/paretix/examples/*.css >/dev/null
[ ! -e "$prefisso/bin/dati" ] || { echo "dati installati accanto al programma" >&2; exit 1; }

# The installed report is the build's report.
esempio=$prefisso/share/paretix/examples/parete-intercapedine.css
cmp <("$prefisso/bin/paretix-report" "$esempio") <("$build/src/cli/paretix-report" "$esempio")

# The desktop program starts and, on the first start, gives the user a copy of the shipped
# database once the splash has gone (six seconds); it runs until stopped. Its user folders are
# all under the new home, so that no recovery file of the caller's asks a question.
mkdir "$radice/home"
stato=0
HOME=$radice/home XDG_DATA_HOME= XDG_STATE_HOME= XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen timeout 10 "$prefisso/bin/paretix" \
  >/dev/null 2>&1 || stato=$?
[ "$stato" -eq 124 ] || { echo "il programma installato si è fermato (stato $stato)" >&2; exit 1; }
cmp "$radice/home/.local/share/paretix/dati/abaco.txt" "$prefisso/share/paretix/abaco.txt"

# The Debian package holds the same tree.
(cd "$radice" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$radice/pacchetto" >/dev/null)
pacchetto=$(ls "$radice"/pacchetto/*.deb)
contenuto=$(dpkg-deb -c "$pacchetto")
grep -q '\./usr/bin/paretix-report$' <<<"$contenuto"
grep -q '\./usr/share/paretix/abaco.txt$' <<<"$contenuto"
grep -q '\./usr/share/doc/paretix/guida\.html$' <<<"$contenuto"
echo "installazione verificata"
