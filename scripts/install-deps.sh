#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing.
# The one place packages are installed; every other script calls this.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev libfontconfig-dev libpng-dev
  fonts-liberation fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra
  libsdl2-dev xvfb xauth
  clang libclang-rt-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  SUDO=(sudo)
else
  echo "error: these packages are missing and I cannot install them (not root, no sudo):" >&2
  echo "  ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
"${SUDO[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
