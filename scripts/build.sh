#!/usr/bin/env bash
# Builds one configuration: "release" (build/) or "sanitize" (build-sanitize/, ASan + UBSan).
set -euo pipefail
cd "$(dirname "$0")/.."
config="${1:-release}"
case "$config" in
  release)  dir=build;          args=(-DCMAKE_BUILD_TYPE=Release) ;;
  sanitize) dir=build-sanitize; args=(-DCMAKE_BUILD_TYPE=Debug -DDELVARO_SANITIZE=ON) ;;
  *) echo "usage: scripts/build.sh [release|sanitize]" >&2; exit 2 ;;
esac
cmake -S . -B "$dir" "${args[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
