#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build-fuzz/
# and runs each from its seed corpus: for FUZZ_SECONDS (default 15), or, when
# FUZZ_RUNS is set, for that many inputs (the keystroke model and the real
# spin edit, many times slower than the parsers and the key gate, for
# FUZZ_SLOW_RUNS, default a tenth of that). FUZZ_ONLY="a b" runs only those
# targets. FUZZ_KEY_MAX_LEN caps the key sequences of the key targets (default
# 4096 bytes, 1365 keys): short sequences run many times faster.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-15}"
runs="${FUZZ_RUNS:-}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DORVANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
status=0
for target in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  if [ -n "${FUZZ_ONLY:-}" ] && [[ " $FUZZ_ONLY " != *" $name "* ]]; then continue; fi
  max_len=4096
  case "$name" in edit_gate|num_edit_keys|num_edit_widget) max_len="${FUZZ_KEY_MAX_LEN:-4096}" ;; esac
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  if [ -n "$runs" ]; then
    count="$runs"
    case "$name" in num_edit_keys|num_edit_widget) count="${FUZZ_SLOW_RUNS:-$((runs / 10))}" ;; esac
    limit=(-runs="$count")
    echo "fuzz: $name for $count inputs"
  else
    limit=(-max_total_time="$seconds")
    echo "fuzz: $name for ${seconds}s"
  fi
  if "$target" "${limit[@]}" -max_len="$max_len" -print_final_stats=1 -artifact_prefix=build-fuzz/ "$work" \
        >"build-fuzz/$name.log" 2>&1; then
    echo "fuzz: $name passed ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/$name.log" \
                                  | grep -o '[0-9]*$') inputs)"
  else
    echo "fuzz: $name FAILED, see build-fuzz/$name.log"; tail -30 "build-fuzz/$name.log"; status=1
  fi
  rm -rf "$work"
done
exit $status
