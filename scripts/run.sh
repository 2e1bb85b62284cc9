#!/usr/bin/env bash
# Builds the release configuration and runs the host application on the embedded demo
# database (created in the user's data folder on first run). Options are passed on to
# delvaro-host (see --help). Without a display it draws the screen of a demo aidant
# into a PNG instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh release
host=build/apps/host/delvaro-host
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "$#" -eq 0 ]; then
  shot="$PWD/build/delvaro-A001.png"
  echo "Pas d'écran : la fenêtre de l'aidant A001 est dessinée dans $shot"
  exec "$host" --aidant A001 --screenshot "$shot"
fi
exec "$host" "$@"
