#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build-fuzz/
# and runs each for FUZZ_SECONDS (default 30) from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DORVANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
status=0
for target in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  echo "fuzz: $name for ${seconds}s"
  if "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 -artifact_prefix=build-fuzz/ "$work" \
        >"build-fuzz/$name.log" 2>&1; then
    echo "fuzz: $name passed"
  else
    echo "fuzz: $name FAILED, see build-fuzz/$name.log"; tail -30 "build-fuzz/$name.log"; status=1
  fi
  rm -rf "$work"
done
exit $status
