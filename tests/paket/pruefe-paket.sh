#!/usr/bin/env bash
# The Debian package of a built folder: packed with cpack, unpacked with dpkg -x into a
# scratch root, its layout checked, and the suite started from it offscreen for a user
# whose home is scratch too. Nothing may be written into the unpacked tree.
#
#   tests/paket/pruefe-paket.sh [build folder]      (default build-tests)
set -euo pipefail
cd "$(dirname "$0")/../.."
bau=$(cd "${1:-build-tests}" && pwd)
arbeit=$(mktemp -d)
wurzel=$arbeit/wurzel
exefiles=$wurzel/usr/lib/tarvello/exefiles

# Ends whatever still runs from the unpacked tree; the cross-section program runs detached.
aufraeumen() {
  for p in /proc/[0-9]*; do
    case $(readlink "$p/exe" 2>/dev/null) in "$wurzel"/*) kill "${p#/proc/}" 2>/dev/null || true ;; esac
  done
  rm -rf "$arbeit"
}
trap aufraeumen EXIT

bestanden=0
durchgefallen=0
pruefe() {
  local was=$1
  shift
  if "$@"; then
    bestanden=$((bestanden + 1))
  else
    durchgefallen=$((durchgefallen + 1))
    echo "FAIL: $was" >&2
  fi
}

(cd "$bau" && cpack -G DEB) >"$arbeit/cpack.log" 2>&1 || { cat "$arbeit/cpack.log"; exit 1; }
deb=$(grep -o '/[^ ]*\.deb' "$arbeit/cpack.log" | tail -1)
dpkg-deb -c "$deb" >"$arbeit/inhalt"
dpkg -x "$deb" "$wurzel"

# Layout: programs, settings, texts, command, menu entry and icon.
liegt_da() {
  [ -x "$exefiles/TarvelloMain" ] && [ -x "$exefiles/TarvelloQuerschnitt" ] && [ -x "$exefiles/Delmarix" ] &&
    [ -f "$exefiles/inifile" ] && [ -f "$wurzel/usr/share/tarvello/TEXTE/Hauptform.E" ] &&
    [ "$(readlink -f "$wurzel/usr/bin/tarvello")" = "$exefiles/TarvelloMain" ] &&
    [ -f "$wurzel/usr/share/applications/tarvello.desktop" ] &&
    [ -f "$wurzel/usr/share/icons/hicolor/scalable/apps/tarvello.svg" ]
}
pruefe "layout" liegt_da
# Owned by root and writable by nobody else; no data directory and no hand-off in the package.
nur_lesbar() {
  ! grep -v '^l' "$arbeit/inhalt" | awk '$2 != "root/root" || substr($1, 6, 1) == "w" || substr($1, 9, 1) == "w"' | grep -q . &&
    ! grep -Eq '/Daten/|inifile2' "$arbeit/inhalt"
}
pruefe "read-only" nur_lesbar
pruefe "depends" bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6"
if command -v desktop-file-validate >/dev/null; then
  pruefe "desktop entry" desktop-file-validate "$wurzel/usr/share/applications/tarvello.desktop"
fi
# A .tqs is a section file of its own type, which the menu entry opens.
mime_typ() {
  local kopie=$arbeit/mime
  mkdir -p "$kopie/packages" && cp "$wurzel/usr/share/mime/packages/tarvello.xml" "$kopie/packages/" &&
    update-mime-database "$kopie" &&
    grep -q 'application/x-tarvello-section:\*\.tqs' "$kopie/globs2" &&
    grep -qx 'MimeType=application/x-tarvello-section;' "$wurzel/usr/share/applications/tarvello.desktop" &&
    grep -qx 'Exec=tarvello %f' "$wurzel/usr/share/applications/tarvello.desktop"
}
pruefe "mime type" mime_typ
# As Debian would take it: no lintian error or warning; copyright, changelog, manual page, README and
# the AppStream description in their places.
pruefe "lintian" lintian --fail-on error,warning "$deb"
dokumente() {
  [ -f "$wurzel/usr/share/doc/tarvello/copyright" ] && [ -f "$wurzel/usr/share/doc/tarvello/changelog.gz" ] &&
    [ -f "$wurzel/usr/share/doc/tarvello/README.md" ] && [ -f "$wurzel/usr/share/man/man1/tarvello.1.gz" ] &&
    dpkg-deb -f "$deb" Homepage | grep -q '^https://' && ! dpkg-deb -f "$deb" Maintainer | grep -q localhost
}
pruefe "documents" dokumente
pruefe "appstream" appstreamcli validate --no-net "$wurzel"/usr/share/metainfo/*.metainfo.xml

# Started from the command on the PATH, for a new user: the hand-off goes into the user's own
# data directory, the cross-section program takes it there and makes the editor folder.
export HOME=$arbeit/heim XDG_DATA_HOME=$arbeit/heim/daten XDG_RUNTIME_DIR=$arbeit/laufzeit QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
stand() { find "$wurzel" -printf '%P %y %s %m %T@\n' | sort; }
stand >"$arbeit/vorher"
pruefe "--version" bash -c "'$wurzel/usr/bin/tarvello' --version | grep -q 'Tarvello'"
pruefe "start" timeout 30 "$wurzel/usr/bin/tarvello" --bearbeiter Paketprobe --sprache E --start
sperre=$XDG_DATA_HOME/tarvello/Paketprobe/.Querschnitt.lock
for _ in $(seq 100); do [ -s "$sperre" ] && break; sleep 0.1; done
pruefe "editor folder in the user's data directory" test -s "$sperre"
pruefe "hand-off taken" test ! -e "$XDG_DATA_HOME/tarvello/inifile2"
# The window stays open until it is ended.
if [ -s "$sperre" ]; then
  querschnitt=$(head -1 "$sperre")
  pruefe "cross-section program running" kill -0 "$querschnitt"
  kill "$querschnitt" 2>/dev/null || true
fi
stand >"$arbeit/nachher"
pruefe "nothing written beside the programs" cmp -s "$arbeit/vorher" "$arbeit/nachher"

echo "paket: $bestanden passed, $durchgefallen failed"
[ "$durchgefallen" -eq 0 ]
