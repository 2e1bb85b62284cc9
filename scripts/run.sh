#!/usr/bin/env bash
# Builds the release configuration and runs the main job on the embedded demo data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh release
db="${DELVARO_DB:-$PWD/build/demo.db}"
rm -f "$db"
build/apps/db/delvaro-db --db "$db" demo
echo "Secteurs de la base de démonstration ($db) :"
build/apps/db/delvaro-db --db "$db" query 'SSELECT SECTEUR PAR 1'
