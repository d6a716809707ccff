#!/usr/bin/env bash
# Instructions from process start to the first paint, counted by callgrind:
# unlike wall time, the same on a busy machine as on a quiet one.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen ORVANE_QUIT_AFTER_FIRST_PAINT=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 | grep -o 'Collected : [0-9]*' | grep -o '[0-9]*$'
}
program=$(count build/app/orvane)
bare=$(count build/bench/bare_window)
text=$(count build/bench/bare_window text)
echo "instructions to first paint"
printf '  %-22s %12d\n' program "$program"
ratio() { awk -v a="$program" -v b="$1" 'BEGIN { printf "%.2f", a / b }'; }
printf '  %-22s %12d   program / this: %s\n' "bare window" "$bare" "$(ratio "$bare")"
printf '  %-22s %12d   program / this: %s\n' "bare window with text" "$text" "$(ratio "$text")"
