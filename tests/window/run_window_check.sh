#!/usr/bin/env bash
# The simulation window as a user sees it: runs the example program under Xvfb
# for a bounded number of frames twice, with the example configuration and with
# an empty one, saves the last frame of each, and checks that the first shows
# far more lit LEDs than the second, and lit LEDs inside each of its matrices.
#
#   run_window_check.sh EXAMPLE_PROGRAM CHECKER OUTPUT_DIR [FRAMES]
set -euo pipefail

example=$1
checker=$2
out=$3
frames=${4:-240}
mkdir -p "$out"
echo '{}' > "$out/empty.json"

run() {  # screenshot, then extra arguments
  local shot=$1; shift
  rm -f "$shot"
  xvfb-run -a -s "-screen 0 1280x800x24" "$example" --frames "$frames" --screenshot "$shot" "$@" > "$shot.log" 2>&1 \
    || { echo "the example failed; its output:"; cat "$shot.log"; return 1; }
}

run "$out/lit.png"
run "$out/empty.png" --config "$out/empty.json"
# The example configuration's boxes as the window shows them, top to bottom: the
# elevator strip, its driver-display matrix, the front and rear strips, the
# rear's status-panel matrix (cut by the window's bottom edge).
"$checker" "$out/lit.png" "$out/empty.png" 4 5000 SMSSM
