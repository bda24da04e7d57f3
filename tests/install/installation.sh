#!/usr/bin/env bash
# The program as a Debian user gets it: installed into a scratch folder and checked with the
# desktop's own tools, packaged as a .deb, unpacked, and started from another folder.
# Argument: the build folder.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
fehler=0
nein() { echo "FAIL: $*"; fehler=1; }

cmake --install "$BUILD" --prefix "$T/prefix" > "$T/install.log"
P=$T/prefix
for f in bin/merovan share/merovan/NeueZeile.wav share/merovan/History.txt share/applications/merovan.desktop \
         share/icons/hicolor/scalable/apps/merovan.svg share/icons/hicolor/scalable/mimetypes/application-x-merovan.svg \
         share/mime/packages/merovan.xml share/metainfo/org.example.merovan.metainfo.xml; do
  [ -f "$P/$f" ] || nein "not installed: $f"
done

desktop-file-validate "$P/share/applications/merovan.desktop" || nein "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$P/share/metainfo/org.example.merovan.metainfo.xml" > "$T/appstream.log" 2>&1 \
  || { cat "$T/appstream.log"; nein "appstreamcli validate"; }

# The file type: by its first bytes without an extension, and by the name alone.
update-mime-database "$P/share/mime"
printf '\x00\x05MRV01\x00\x06X\r\nY\r\n\x00\x00\x00\x00' > "$T/ohne-endung"
printf 'kein Tagebuch' > "$T/nur-name.mrv"
for f in ohne-endung nur-name.mrv; do
  typ=$(XDG_DATA_DIRS="$P/share:/usr/share" XDG_CURRENT_DESKTOP= xdg-mime query filetype "$T/$f")
  [ "$typ" = application/x-merovan ] || nein "xdg-mime: $f is $typ"
done

# The package: its name, its files, its dependencies computed from the libraries.
(cd "$T" && cpack --config "$BUILD/CPackConfig.cmake" -B "$T/pkg" > "$T/cpack.log" 2>&1) || { cat "$T/cpack.log"; nein "cpack"; }
deb=$(ls "$T"/pkg/merovan_1.02_*.deb 2>/dev/null | head -1)
if [ -z "$deb" ]; then
  nein "no merovan_1.02_<arch>.deb"
else
  abh=$(dpkg-deb -f "$deb" Depends)
  case "$abh" in *libqt6widgets6*qt6-qpa-plugins*|*qt6-qpa-plugins*libqt6widgets6*) ;; *) nein "Depends without Qt or its window plugin: $abh" ;; esac
  dpkg-deb -x "$deb" "$T/root"
  [ -x "$T/root/usr/bin/merovan" ] || nein "the package holds no /usr/bin/merovan"

  # Started from another folder with a diary on its command line: it opens the diary and finds
  # its sound in share/merovan of the package.
  printf '\x00\x05MRV01\x00\x06X\r\nY\r\n\x01\x00\x00\x00\x15\x00\x00\xA4\x00\x00\x01\x00\x00\x00\x00\x06\x35\r\n\x37\r\n' > "$T/tagebuch.MRV"
  mkdir -p "$T/anders" "$T/heim/run"
  chmod 700 "$T/heim/run"
  (cd "$T/anders" && HOME="$T/heim" XDG_RUNTIME_DIR="$T/heim/run" QT_QPA_PLATFORM=offscreen \
     strace -f -qq -e trace=openat -o "$T/strace.log" timeout 8 "$T/root/usr/bin/merovan" "$T/tagebuch.MRV" \
     > "$T/programm.log" 2>&1) || true
  grep -q "\"$T/tagebuch.MRV\"" "$T/strace.log" || nein "the diary was not opened"
  grep -q "$T/root/usr/bin/../share/merovan/NeueZeile.wav\|$T/root/usr/share/merovan/NeueZeile.wav" "$T/strace.log" \
    || { grep -i wav "$T/strace.log" || true; nein "the sound was not found in share/merovan"; }

  # lintian: no errors (the warnings are listed).
  lintian --no-tag-display-limit "$deb" > "$T/lintian.log" 2>&1 || true
  grep '^W:' "$T/lintian.log" || true
  if grep -q '^E:' "$T/lintian.log"; then grep '^E:' "$T/lintian.log"; nein "lintian reports errors"; fi
fi

[ $fehler -eq 0 ] && echo "PASS: installed, validated, packaged, unpacked and started from another folder"
exit $fehler
