#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it: the files it
# must hold (program, command, list editor, content folders, teachers' folders, desktop
# entry, metainfo, icons, manual page, copyright), what it must not hold (pupil
# data or options of a run from the build folder), its dependencies, and the
# verdicts of desktop-file-validate, appstreamcli and lintian (no errors; the
# remaining lintian notes are printed).
# Usage: scripts/check-package.sh [build folder]   (default: build)
set -euo pipefail
# File names of the content hold umlauts: read them in a UTF-8 locale even
# where none is set (C.UTF-8 is always there on Debian).
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
id=de.lirabo.Lirabo

(cd "$build" && rm -f package/lirabo_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/package/lirabo_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -c "$deb" | awk '{print $6, $7, $8}' | sed 's#^\./##' > "$work/list"

failed=0
fail() { echo "FAIL: $*"; failed=1; }

for path in usr/lib/lirabo/lirabo usr/share/lirabo/intern/colors.txt usr/share/lirabo/intern/standard.ini \
            usr/share/lirabo/listen/standard.txt usr/share/lirabo/protokoll/jeder.ini \
            usr/share/lirabo/protokoll/namen.txt usr/share/lirabo/TTF/KV_Druckschrift.ttf \
            usr/share/lirabo/LIZENZEN.txt usr/share/lirabo/netzwerk-info usr/share/lirabo/Html/index.htm usr/share/lirabo/Anleitung-lrb.pdf \
            usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/lirabo.1.gz \
            usr/share/doc/lirabo/copyright usr/share/doc/lirabo/changelog.gz; do
  [ -f "$work/root/$path" ] || fail "missing file $path"
done
for size in 16 24 32 48 64 128 256; do
  png="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [[ $(file -b "$png" 2>/dev/null) == "PNG image data, $size x $size"* ]] || fail "missing icon ${size}x${size}"
done
for folder in ABC Artikel Bilder Sounds fun pronomen sprache; do
  [ -n "$(ls -A "$work/root/usr/share/lirabo/$folder" 2>/dev/null)" ] || fail "empty content folder $folder"
done
[ -x "$work/root/usr/lib/lirabo/lirabo" ] || fail "program not executable"
[ "$(readlink "$work/root/usr/bin/lirabo")" = ../lib/lirabo/lirabo ] || fail "usr/bin/lirabo is not the link to the program"
[ -x "$work/root/usr/lib/lirabo/Dazidazud" ] || fail "list editor missing"
[ "$(readlink "$work/root/usr/share/lirabo/Dazidazud")" = ../../lib/lirabo/Dazidazud ] ||
  fail "no link to the list editor in the program folder"
[ "$(readlink "$work/root/usr/bin/dazidazud")" = ../lib/lirabo/Dazidazud ] || fail "usr/bin/dazidazud is not the link to the list editor"
[ -f "$work/root/usr/share/man/man1/dazidazud.1.gz" ] || fail "missing manual page of the list editor"
grep -qx 'Exec=dazidazud %f' "$work/root/usr/share/applications/de.lirabo.Dazidazud.desktop" 2>/dev/null ||
  fail "no desktop entry of the list editor"
for folder in listen Bilder Sounds; do
  [ "$(readlink "$work/root/usr/share/lirabo/$folder/eigene")" = "/var/lib/lirabo/eigene/$folder" ] ||
    fail "no link $folder/eigene to the teachers' folder"
done
extra=$(ls "$work/root/usr/share/lirabo/protokoll" | grep -vx -e jeder.ini -e namen.txt || true)
[ -z "$extra" ] || fail "pupil data in the package: $extra"
for stray in usr/share/lirabo/lirabo usr/share/lirabo/vovu.ini usr/share/lirabo/netzwerkpfad.txt var; do
  [ ! -e "$work/root/$stray" ] || fail "the package holds $stray"
done

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libsdl2-2.0-0 libjpeg62-turbo libpng16-16 libgif7 qt6-qpa-plugins \
           fonts-liberation2 fonts-comic-neue fonts-dejavu-core passwd qt6-translations-l10n; do
  grep -q "\b$dep\b" <<<"$depends" || fail "Depends lacks $dep"
done
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t)
for script in postinst postrm; do
  grep -qx "./$script" <<<"$control" || fail "no $script"
done

for entry in $id de.lirabo.Dazidazud de.lirabo.Klassenuebersicht; do
  desktop-file-validate "$work/root/usr/share/applications/$entry.desktop" || fail "desktop-file-validate $entry"
done
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
lintian --fail-on error "$deb" ||
  fail "lintian reports errors"

if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "Package checked: $deb"
