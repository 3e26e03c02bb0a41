#!/usr/bin/env bash
# Sets up, builds and runs the simulation: the example robot program drives the
# simulated device while the simulation GUI shows the panel with the example
# configuration. Without a display it runs under Xvfb for a bounded number of
# frames and saves a screenshot of the last one.
#
#   ./scripts/run.sh [--config FILE] [--deploy DIR] [--frames N] [--screenshot FILE.png]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"

cmake -S "$root" -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release --target example_simulation -j "$(nproc)"

program=build/release/examples/example_simulation
if [ -n "${DISPLAY:-}" ]; then
  exec "$program" "$@"
fi
echo "No display: running under Xvfb for 600 frames; the last one is saved as build/simulation.png"
exec xvfb-run -a -s "-screen 0 1280x800x24" "$program" --frames 600 --screenshot build/simulation.png "$@"
