#!/usr/bin/env bash
# A fuzzing campaign: builds the libFuzzer programs of fuzz/ with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer (build-fuzz/), then runs each target for SECONDS
# (default 600) from the committed corpus. An input that crashes, breaks a checked
# property, runs over a second (five for a whole scenario) or needs more than 2 GB stops
# its target and is left in build-fuzz/findings/TARGET/; once mended, commit it to
# fuzz/corpus/TARGET/ so that every build replays it. New interesting inputs gather in
# build-fuzz/corpus/TARGET/.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#   targets: dynamic_array query json_lines script_words scenario
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(dynamic_array query json_lines script_words scenario)
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDELVARO_FUZZ=ON -DDELVARO_BUILD_TESTS=OFF -DDELVARO_BUILD_QT=OFF \
  -DDELVARO_WITH_POSTGRESQL=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  # A whole scenario loads the demo data into a fresh store first: it is given longer.
  timeout=1
  [ "$target" = scenario ] && timeout=5
  echo "== $target: $seconds s"
  if ! "build-fuzz/fuzz/fuzz_$target" "$corpus" "fuzz/corpus/$target" \
      -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -malloc_limit_mb=2048 \
      -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1; then
    echo "== $target: a finding is in $findings/" >&2
    status=1
  fi
done
exit $status
