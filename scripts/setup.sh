#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, then configures the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

PAKETE=(cmake make g++ pkg-config
        qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev
        fonts-liberation libbenchmark-dev unrtf poppler-utils
        desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl dpkg-dev lintian strace file
        xvfb at-spi2-core python3-pyatspi xdotool dbus-daemon qt6-qpa-plugins orca)

fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done

if [ ${#fehlend[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
  else
    echo "Missing packages. Please run:" >&2
    echo "  sudo apt-get install --no-install-recommends ${fehlend[*]}" >&2
    exit 1
  fi
fi

BUILD=${BUILD:-build}
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
