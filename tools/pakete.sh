#!/usr/bin/env bash
# Installs the Debian packages the suite needs to build, run and test, when any is missing.
set -euo pipefail
pakete=(
  build-essential cmake pkg-config libgtest-dev clang-14 libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libcgal-dev libeigen3-dev libgmp-dev libmpfr-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth imagemagick poppler-utils
  dpkg-dev desktop-file-utils file qt6-translations-l10n shared-mime-info lintian appstream
)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0
als_root=()
[ "$(id -u)" -eq 0 ] || als_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${als_root[@]}" apt-get update
"${als_root[@]}" apt-get install -y --no-install-recommends "${fehlend[@]}"
