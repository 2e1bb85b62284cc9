#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the host application need
# (postgresql: the server the tests start for the PostgreSQL engine; locales: the locale
# sources a test builds a French locale from).
set -euo pipefail
packages=(
  build-essential cmake pkg-config clang-format dpkg-dev
  libsqlite3-dev libicu-dev nlohmann-json3-dev libcli11-dev libpq-dev postgresql
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl1-mesa-dev libxkbcommon-dev
  fonts-dejavu-core locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
